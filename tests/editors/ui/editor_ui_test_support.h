#pragma once

// Shared pieces of the editor's window tests: the test registry, a folder of
// files for one test, and the fields of the editor's forms.

#include "engine/codec.h"
#include "engine/textfile.h"
#include "tests/support/test_files.h"
#include "tests/support/ui_test_registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QTest>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orvenda::test {

// A folder of its own for one test, removed afterwards, with the program's
// files in it.
class Cp1251Folder {
public:
    bool isValid() const { return true; }
    QString path(const QString& name) const { return QString::fromStdString(m_dir.folder()) + name; }

    // UTF-8 text with "\n" line ends, written as the program's files are:
    // Windows-1251 with CR LF.
    QString Write(const QString& name, const std::string& text) const
    {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            lines.push_back(text.substr(start, end - start));
            start = end == std::string::npos ? text.size() : end + 1;
        }
        if (!SaveTextFile(path(name).toStdString(), lines, TextEncoding::Windows1251).ok())
            QTest::qFail("the test file could not be written", __FILE__, __LINE__);
        return path(name);
    }
    // The file's bytes decoded from Windows-1251 (CR LF kept).
    std::string Read(const QString& name) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        const QByteArray bytes = file.readAll();
        return Cp1251ToUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }

private:
    TempFolder m_dir{"orvenda-editor-ui"};
};

// A field of the form `formName` of a window, by its object name.
template <typename T> T* FormField(QWidget& window, const char* formName, const char* fieldName)
{
    auto* form = window.findChild<QWidget*>(QLatin1String(formName));
    return form ? form->findChild<T*>(QLatin1String(fieldName)) : nullptr;
}

inline void SaveScreenshot(QWidget& widget, const QString& name)
{
    // Layouts settle in the event loop, as they do before a person sees them.
    QCoreApplication::processEvents();
    QDir().mkpath(QStringLiteral(ORVENDA_SCREENSHOT_DIR));
    QVERIFY(widget.grab().save(QStringLiteral(ORVENDA_SCREENSHOT_DIR) + name + QStringLiteral(".png")));
}

} // namespace orvenda::test
