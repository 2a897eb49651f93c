#include "config/options_state.h"

#include "config/autostart.h"
#include "config/config_file.h"
#include "config/schemes.h"
#include "config/settings_text.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <utility>

namespace orvenda {

namespace {

bool isLookObject(int object)
{
    return object >= 0 && object < LookObjectCount;
}

bool isPlaceholder(const TListedFile& file)
{
    return file.Name.empty();
}

} // namespace

OptionsState::OptionsState(TConfigRec& config, OptionsEnvironment env, Journal& journal, Questions& questions)
    : m_config(config), m_env(std::move(env)), m_journal(journal), m_questions(questions)
{
}

void OptionsState::Show()
{
    m_object = LcToday;
    m_alignmentVisible = true;
    m_changed = false;
}

ObjectControls OptionsState::Controls() const
{
    const TObjectLook& look = CurrentLook();
    ObjectControls controls;
    controls.object = m_object;
    controls.color = look.Color;
    controls.fontColor = look.FontColor;
    controls.leftPressed = look.Alignment == AlignLeft;
    controls.rightPressed = look.Alignment == AlignRight;
    // Only the plain combinations of bold and italic show as pressed buttons:
    // a style with underline or strike-out cannot be told by two buttons.
    controls.boldPressed = look.FontStyle == FontBold || look.FontStyle == (FontBold | FontItalic);
    controls.italicPressed = look.FontStyle == FontItalic || look.FontStyle == (FontBold | FontItalic);
    controls.alignmentVisible = m_alignmentVisible;
    return controls;
}

void OptionsState::ChooseObjectBySample(int object)
{
    if (!isLookObject(object)) {
        return;
    }
    m_object = object;
    m_alignmentVisible = object != LcEvt;
}

void OptionsState::ChooseObjectByBox(int object)
{
    if (!isLookObject(object)) {
        return;
    }
    m_object = object;
    m_alignmentVisible = true;
}

void OptionsState::attributeChanged()
{
    m_schemeChanged = true;
    m_applyEnabled = true;
}

void OptionsState::SetColor(TColor colour)
{
    m_config.Looks[m_object].Color = colour;
    attributeChanged();
}

void OptionsState::SetFontColor(TColor colour)
{
    m_config.Looks[m_object].FontColor = colour;
    attributeChanged();
}

void OptionsState::SetFont(const std::string& name, int size, unsigned style)
{
    TObjectLook& look = m_config.Looks[m_object];
    look.FontName = name;
    look.FontSize = size;
    look.FontStyle = style;
    attributeChanged();
    m_changed = true;
}

namespace {

TColor valueOf(const Questions::Rgb& colour)
{
    return static_cast<TColor>(colour.red) | static_cast<TColor>(colour.green) << 8 |
           static_cast<TColor>(colour.blue) << 16;
}

// A desktop colour (clWindowText) has no fixed red, green and blue.
std::optional<Questions::Rgb> rgbOf(TColor colour)
{
    if ((colour & 0xFF000000u) != 0)
        return std::nullopt;
    return Questions::Rgb{static_cast<std::uint8_t>(colour & 0xFF),
                          static_cast<std::uint8_t>(colour >> 8 & 0xFF),
                          static_cast<std::uint8_t>(colour >> 16 & 0xFF)};
}

} // namespace

bool OptionsState::PickColor()
{
    const std::optional<Questions::Rgb> colour = m_questions.PickColour(m_lastColor);
    if (!colour)
        return false;
    m_lastColor = *colour;
    SetColor(valueOf(*colour));
    return true;
}

bool OptionsState::PickFontColor()
{
    const std::optional<Questions::Rgb> colour = m_questions.PickColour(m_lastFontColor);
    if (!colour)
        return false;
    m_lastFontColor = *colour;
    SetFontColor(valueOf(*colour));
    return true;
}

bool OptionsState::PickFont(const std::function<void()>& applied)
{
    const TObjectLook& look = CurrentLook();
    const Questions::Font initial{look.FontName,
                                  look.FontSize,
                                  (look.FontStyle & FontBold) != 0,
                                  (look.FontStyle & FontItalic) != 0,
                                  (look.FontStyle & FontUnderline) != 0,
                                  (look.FontStyle & FontStrikeOut) != 0,
                                  rgbOf(look.FontColor)};
    // "Применить" puts the dialog's font on the current object as OK does,
    // and the dialog stays open.
    bool used = false;
    const auto use = [this, &used](const Questions::Font& font) {
        SetFont(font.family, font.pointSize,
                (font.bold ? FontBold : 0u) | (font.italic ? FontItalic : 0u) |
                    (font.underline ? FontUnderline : 0u) | (font.strikeOut ? FontStrikeOut : 0u));
        if (font.colour)
            SetFontColor(valueOf(*font.colour));
        used = true;
    };
    const std::optional<Questions::Font> font =
        m_questions.PickFont(initial, [&](const Questions::Font& shown) {
            use(shown);
            if (applied)
                applied();
        });
    if (font)
        use(*font);
    return used;
}

void OptionsState::ToggleLeft()
{
    TObjectLook& look = m_config.Looks[m_object];
    look.Alignment = look.Alignment == AlignLeft ? AlignCenter : AlignLeft;
    attributeChanged();
}

void OptionsState::ToggleRight()
{
    TObjectLook& look = m_config.Looks[m_object];
    look.Alignment = look.Alignment == AlignRight ? AlignCenter : AlignRight;
    attributeChanged();
}

void OptionsState::setStyle(bool bold, bool italic)
{
    m_config.Looks[m_object].FontStyle = (bold ? FontBold : 0u) | (italic ? FontItalic : 0u);
    attributeChanged();
}

void OptionsState::ToggleBold()
{
    const ObjectControls controls = Controls();
    setStyle(!controls.boldPressed, controls.italicPressed);
}

void OptionsState::ToggleItalic()
{
    const ObjectControls controls = Controls();
    setStyle(controls.boldPressed, !controls.italicPressed);
}

const TLooks& OptionsState::ApplyLooks()
{
    m_applyEnabled = false;
    m_changed = true;
    return m_config.Looks;
}

void OptionsState::SetSchemeList(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    m_schemes = std::move(names);
}

bool OptionsState::ChooseScheme(const std::string& name)
{
    m_config.ColorScheme = name;
    m_applyEnabled = true;
    return LoadScheme(m_config.Looks, m_env.programFolder, name, m_journal, nullptr);
}

void OptionsState::SetSchemeName(const std::string& name)
{
    m_config.ColorScheme = name;
}

bool OptionsState::SaveCurrentScheme()
{
    m_schemeChanged = false;
    const std::string& name = m_config.ColorScheme;
    if (!SaveScheme(m_config.Looks, m_env.programFolder, name, m_journal).ok()) {
        return false;
    }
    // An empty name writes ".sch", which is no scheme the list could offer.
    const auto at = std::lower_bound(m_schemes.begin(), m_schemes.end(), name);
    if (!name.empty() && (at == m_schemes.end() || *at != name)) {
        m_schemes.insert(at, name);
    }
    return true;
}

std::optional<OptionsQuestion> OptionsState::DeleteSchemeQuestion() const
{
    const std::string& name = m_config.ColorScheme;
    if (name.empty() || !std::binary_search(m_schemes.begin(), m_schemes.end(), name)) {
        return std::nullopt;
    }
    return OptionsQuestion{"Настройки", "Удалить цветовую схему «" + name + "»?"};
}

bool OptionsState::AskDeleteScheme()
{
    const std::optional<OptionsQuestion> question = DeleteSchemeQuestion();
    if (!question || m_questions.Ask(question->caption, question->text, Questions::Buttons::OkCancel) !=
                         Questions::Answer::Ok)
        return false;
    return DeleteCurrentScheme();
}

bool OptionsState::DeleteCurrentScheme()
{
    const std::string name = m_config.ColorScheme;
    const auto at = std::lower_bound(m_schemes.begin(), m_schemes.end(), name);
    if (name.empty() || at == m_schemes.end() || *at != name) {
        return false;
    }
    std::error_code error;
    std::filesystem::remove(std::filesystem::path(m_env.programFolder + name + ".sch"), error);
    if (error) {
        m_journal.Add("Невозможно удалить цветовую схему " + name + ": " + error.message());
        return false;
    }
    m_schemes.erase(at);
    // The configuration must not go on naming a scheme that is gone.
    m_config.ColorScheme.clear();
    m_changed = true;
    return true;
}

std::vector<TListedFile>& OptionsState::list(FileListKind kind)
{
    return kind == FileListKind::Events ? m_config.EventFiles : m_config.WisdomFiles;
}

const std::vector<TListedFile>& OptionsState::Files(FileListKind kind) const
{
    return kind == FileListKind::Events ? m_config.EventFiles : m_config.WisdomFiles;
}

bool OptionsState::AddFile(FileListKind kind, const std::string& path)
{
    m_changed = true;
    const TListedFile file = SplitListedPath(path, m_env.programFolder);
    std::vector<TListedFile>& files = list(kind);
    const bool known = std::any_of(files.begin(), files.end(), [&](const TListedFile& listed) {
        // Two saying files of one name would give the same sayings twice.
        return listed.Name == file.Name && (kind == FileListKind::Wisdom || listed.Folder == file.Folder);
    });
    if (known || file.Name.empty()) {
        return false;
    }
    if (!files.empty() && isPlaceholder(files.back())) {
        files.back() = file;
    } else {
        files.push_back(file);
    }
    return true;
}

void OptionsState::RemoveFile(FileListKind kind, std::size_t index)
{
    std::vector<TListedFile>& files = list(kind);
    if (index >= files.size()) {
        return;
    }
    files.erase(files.begin() + static_cast<std::ptrdiff_t>(index));
    if (files.empty()) {
        files.push_back(TListedFile{EmptiedListFolder, ""});
    }
    m_changed = true;
}

void OptionsState::ClearFiles(FileListKind kind)
{
    list(kind) = {TListedFile{EmptiedListFolder, ""}};
    m_changed = true;
}

std::optional<std::string> OptionsState::FilePath(FileListKind kind, std::size_t index) const
{
    const std::vector<TListedFile>& files = Files(kind);
    if (index >= files.size() || isPlaceholder(files[index])) {
        return std::nullopt;
    }
    return files[index].Folder + files[index].Name;
}

FileFilter OptionsState::FileFilter(FileListKind kind)
{
    // The saying filter's name is the event filter's, as users know it.
    return {kind == FileListKind::Events ? "Файлы событий (*.evt)|*.evt|Все файлы (*.*)|*.*"
                                         : "Файлы событий (*.wis)|*.wis|Все файлы (*.*)|*.*",
            1};
}

std::optional<std::string> OptionsState::AskFileToAdd(FileListKind kind, std::size_t index)
{
    std::string folder;
    if (const std::optional<std::string> path = FilePath(kind, index))
        folder = std::filesystem::absolute(std::filesystem::path(*path)).parent_path().string();
    const std::string path = m_questions.OpenFileName({"Добавить файл", folder, FileFilter(kind)});
    if (path.empty())
        return std::nullopt;
    AddFile(kind, path);
    return path;
}

LogControls OptionsState::Log() const
{
    LogControls log;
    log.groupEnabled = m_config.LogEnable;
    log.nameFieldEnabled = m_config.LogEnable && m_config.UserLog;
    if (m_config.LogEnable) {
        log.dailyText = LogTextBlack;
        log.oneFileText = LogTextBlack;
        log.appendText = m_config.UserLog ? LogTextBlack : LogTextSilver;
    }
    return log;
}

void OptionsState::SetLogEnable(bool on)
{
    m_config.LogEnable = on;
    // Like every other log control: without the mark, "OK" would not offer
    // to save, and the next refresh would quietly undo the change.
    m_changed = true;
}

void OptionsState::SetUserLog(bool on)
{
    m_config.UserLog = on;
    m_changed = true;
}

void OptionsState::SetLogFileName(const std::string& name)
{
    m_config.UserLogFileName = name;
    m_changed = true;
}

void OptionsState::SetLogAppend(bool on)
{
    m_config.LogAppend = on;
    m_changed = true;
}

void OptionsState::SetConfirmExit(bool on)
{
    m_config.ConfirmExit = on;
    m_changed = true;
}

void OptionsState::SetAdjustFormSize(bool on)
{
    m_config.AdjustFormSize = on;
    m_changed = true;
}

void OptionsState::SetShowAstroPanel(bool on)
{
    m_config.ShowAstroPanel = on;
    m_changed = true;
}

bool OptionsState::SetAutostart(bool on)
{
    m_config.Autostart = on;
    return WriteAutostart(on, m_env.autostartDir, m_env.programPath);
}

std::optional<OptionsQuestion> OptionsState::OkQuestion() const
{
    if (!m_changed) {
        return std::nullopt;
    }
    return OptionsQuestion{"Настройки изменены", "Запомнить текущую конфигурацию?"};
}

SaveResult OptionsState::SaveConfiguration()
{
    return SaveConfig(m_config, m_env.programFolder + ConfigFileName, m_env.programFolder, m_journal);
}

SaveResult OptionsState::Accept()
{
    const std::optional<OptionsQuestion> question = OkQuestion();
    if (!question || m_questions.Ask(question->caption, question->text, Questions::Buttons::OkCancel) !=
                         Questions::Answer::Ok)
        return {};
    const SaveResult saved = SaveConfiguration();
    if (!saved.ok())
        m_questions.ShowError(std::string(ProgramName),
                              ConfigSaveFailureText(saved, m_env.programFolder + ConfigFileName));
    return saved;
}

} // namespace orvenda
