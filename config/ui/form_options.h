#pragma once

// The options window "Настройки": the tabs "Вид", "Файлы" and "Разное" over
// the settings record, which it edits in place, and the buttons "OK" and
// "Отмена". The main window shows it, forwards what reading the
// configuration does to it, and listens to its signals.

#include "config/config_file.h"
#include "config/options_state.h"

#include <QWidget>

class QTabWidget;

namespace orvenda {

class FileListBox;
class MiscPage;
class ViewPage;

class TFormOptions : public QWidget, public ConfigObserver {
    Q_OBJECT
public:
    // `programFolder` ends with "/"; `autostartDir` is where the autostart
    // entry for `programPath` goes. Every reference must outlive the window.
    TFormOptions(TConfigRec& config, QString programFolder, QString autostartDir, QString programPath,
                 Journal& journal, Questions& questions, QWidget* parent = nullptr);

    // Shows the window with the today caption as current object and the
    // changed mark cleared.
    void Show();

    const OptionsState& State() const noexcept { return m_state; }

    // What reading the configuration does to this window; the main window,
    // which observes the reading, passes these on.
    void SchemeListChanged(const std::vector<std::string>& names) override;
    void LogEnableChanged(bool on) override;
    void UserLogChanged(bool on) override;
    void SchemeObjectLoaded(int object) override;
    // After every reading: disables "Применить", sets the changed mark and
    // shows the record as read. Does not emit looksApplied.
    void ApplyLooks(const TLooks& looks) override;

signals:
    // "...", Enter or a double click on a list row: the editor is to open the file.
    void openInEditor(const QString& path);
    // "Применить": the main window takes these looks.
    void looksApplied(const TLooks& looks);
    // "Показывать астрологические характеристики дня" clicked.
    void astroPanelToggled(bool on);
    // "OK" could not write the configuration: the journal holds a new line.
    void journalChanged();

private:
    void load();
    void accept();

    OptionsState m_state;
    QTabWidget* m_tabs = nullptr;
    ViewPage* m_view = nullptr;
    FileListBox* m_eventFiles = nullptr;
    FileListBox* m_wisdomFiles = nullptr;
    MiscPage* m_misc = nullptr;
};

} // namespace orvenda
