#include "editors/editor_controller.h"

#include "engine/file_failure.h"
#include "engine/file_lock.h"

#include <algorithm>
#include <utility>

namespace orvenda {

namespace {

// A name chosen without an extension gets the one of its kind, so that the
// file shows under the filters that offer event and saying files.
std::string kindExtension(EventFileFormat format)
{
    return IsEventFormat(format) ? "evt" : "wis";
}

std::string withExtension(std::string path, const std::string& extension)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (!path.empty() && path.find('.', nameStart) == std::string::npos && nameStart < path.size()) {
        path += "." + extension;
    }
    return path;
}

} // namespace

EditorController::EditorController(std::string templateFolder, Journal& journal, Questions& questions)
    : m_templateFolder(templateFolder), m_journal(journal), m_questions(questions),
      m_model(std::move(templateFolder))
{
    RefreshStatus();
}

bool EditorController::Open(const std::string& path)
{
    if (!Close()) {
        return false;
    }
    const EventFileModel::OpenResult result = m_model.Open(path, m_journal);
    if (result.status == EventFileModel::OpenResult::UnknownFormat) {
        m_questions.ShowError(std::string(ErrorCaption), result.message);
        RefreshStatus();
        return false;
    }
    // A file that could not be read leaves the editor empty, yet ready for
    // the next command.
    m_fileCommands = true;
    RefreshStatus();
    return result.status == EventFileModel::OpenResult::Opened;
}

bool EditorController::OpenCommand()
{
    if (m_model.IsModified()) {
        return false;
    }
    const std::string path =
        m_questions.OpenFileName({std::string(OpenCaption), {}, FileFilter{std::string(EditorFilePairs), 1}});
    return !path.empty() && Open(path);
}

bool EditorController::NewCommand()
{
    return Close();
}

bool EditorController::New(EventFileFormat kind)
{
    if (kind == EventFileFormat::Unknown || !Close()) {
        return false;
    }
    m_model.New(kind, m_journal);
    RefreshStatus();
    return true;
}

bool EditorController::Save()
{
    if (!m_model.IsLoaded()) {
        return false;
    }
    if (!m_model.Path().empty()) {
        return write(m_model.Path(), false);
    }
    // Event files are offered as events first, saying files as sayings.
    const int preselected = IsEventFormat(m_model.Format()) ? 2 : 3;
    const std::string extension = kindExtension(m_model.Format());
    const std::string path = m_questions.SaveFileName(
        {std::string(SaveAsCaption), {}, FileFilter{std::string(EditorFilePairs), preselected}, extension});
    return !path.empty() && write(withExtension(path, extension), false);
}

bool EditorController::SaveAs()
{
    if (!m_model.IsLoaded()) {
        return false;
    }
    const std::string extension = kindExtension(m_model.Format());
    const std::string path = m_questions.SaveFileName(
        {std::string(SaveAsCaption), {}, FileFilter{std::string(SaveAsFilePairs), 1}, extension});
    return !path.empty() && write(withExtension(path, extension), true);
}

bool EditorController::write(const std::string& path, bool rename)
{
    // Another writer of the program (a switch-off from the terminal, say)
    // finishes first; the file is not written under its hands.
    FileLock lock = FileLock::Acquire(path);
    if (!lock.ok()) {
        const FileFailure failure = FailureOf(lock, path);
        m_journal.Add(FailureText(failure, FailureWording::SaveFailedLine));
        m_questions.ShowError(std::string(ErrorCaption), FailureText(failure, FailureWording::Command));
        return false;
    }
    // Another program's change is not overwritten unasked; Save as names
    // its file in the save dialog, which asks on its own.
    if (!rename && !m_model.Path().empty() && m_model.ChangedOnDisk() &&
        m_questions.Ask(std::string(ProgramName), std::string(OverwriteQuestion),
                        Questions::Buttons::OverwriteCancel) != Questions::Answer::Ok) {
        return false;
    }
    SaveResult result;
    if (rename) {
        result = m_model.SaveAs(path);
    } else if (m_model.Path().empty()) {
        result = m_model.NameAndSave(path);
    } else {
        result = m_model.Save();
    }
    RefreshStatus();
    if (result.ok()) {
        if (m_saved) {
            m_saved(m_model.Path());
        }
        return true;
    }
    const FileFailure failure = FailureOf(result, path);
    if (failure.code == FileFailureCode::ReadOnly) {
        m_journal.Add(FailureText(failure, FailureWording::Command));
        m_questions.ShowError(std::string(ErrorCaption), FailureText(failure, FailureWording::Command));
        // The text is kept under another name the user chooses; a file
        // chosen in "Сохранить как" that is read-only too is only reported.
        if (rename) {
            return false;
        }
        lock.Release();
        return SaveAs();
    }
    m_journal.Add(FailureText(failure, FailureWording::SaveFailedLine));
    m_questions.ShowError(std::string(ErrorCaption), FailureText(failure, FailureWording::SaveFailed));
    return false;
}

bool EditorController::Close()
{
    if (m_model.IsModified()) {
        switch (m_questions.Ask(std::string(ProgramName), std::string(SaveChangesQuestion),
                                Questions::Buttons::NoOkCancel)) {
        case Questions::Answer::Cancel:
            return false;
        case Questions::Answer::Ok:
            // Changes that were not written are never dropped.
            if (!Save()) {
                return false;
            }
            break;
        case Questions::Answer::No:
            break;
        }
    }
    m_model.Close();
    m_fileCommands = false;
    RefreshStatus();
    return true;
}

EventCommandResult EditorController::ChangeEvent(const std::string& path, int ordinal, EventChange change,
                                                 const std::optional<std::string>& expectedText)
{
    EventCommandResult result;
    if (!Close()) {
        result.cancelled = true;
        return result;
    }
    // The lock comes after the close: saving the closed file took its own.
    const FileLock lock = FileLock::Acquire(path);
    if (!lock.ok()) {
        return {false, LockFailureText(lock, path)};
    }
    const EventFileModel::OpenResult opened = m_model.Open(path, m_journal);
    if (opened.status == EventFileModel::OpenResult::Opened) {
        result = ApplyEventChange(m_model, ordinal, change, expectedText);
        if (result.ok) {
            const SaveResult saved = m_model.Save();
            if (saved.ok() && m_saved) {
                m_saved(path);
            } else if (!saved.ok()) {
                result = {false, FileNotSavedText(path, saved)};
            }
        }
    } else {
        result = {false, opened.message};
    }
    // A change that was not saved is dropped with the file: the command
    // failed and the file stays as it was.
    m_model.Close();
    m_fileCommands = false;
    RefreshStatus();
    return result;
}

bool EditorController::ReloadIfChangedOnDisk()
{
    if (!m_model.IsLoaded() || m_model.IsModified() || !m_model.ChangedOnDisk() ||
        !StampOfFile(m_model.Path()).exists) {
        return false;
    }
    // Read into a fresh model first: a file that is gone or no longer
    // readable leaves the table as it is.
    EventFileModel fresh(m_templateFolder);
    if (fresh.Open(m_model.Path(), m_journal).status != EventFileModel::OpenResult::Opened) {
        return false;
    }
    const int current = m_model.CurrentNumber();
    m_model = std::move(fresh);
    m_model.Select(std::min(current, m_model.Count()));
    RefreshStatus();
    return true;
}

void EditorController::Exit()
{
    m_fileCommands = false;
}

void EditorController::EnableFileCommands(bool on)
{
    m_fileCommands = on;
}

bool EditorController::Select(int n)
{
    const bool selected = m_model.Select(n);
    RefreshStatus();
    return selected;
}

bool EditorController::Navigate(Move move)
{
    const int current = m_model.CurrentNumber();
    switch (move) {
    case Move::First:
        return Select(1);
    case Move::Prior:
        return Select(current - 1);
    case Move::Next:
        return Select(current + 1);
    case Move::Last:
        return Select(m_model.Count());
    }
    return false;
}

bool EditorController::Insert()
{
    const bool inserted = m_model.Insert();
    RefreshStatus();
    return inserted;
}

bool EditorController::DeleteCurrent()
{
    const bool deleted = m_model.DeleteCurrent();
    RefreshStatus();
    return deleted;
}

EditorController::NavigatorState EditorController::Navigator() const
{
    NavigatorState state;
    if (!m_model.IsLoaded()) {
        return state;
    }
    const int current = m_model.CurrentNumber();
    const int count = m_model.Count();
    state.first = state.prior = current > 1;
    state.next = state.last = current < count;
    state.insert = true;
    state.remove = current > 0;
    return state;
}

const EditorController::Status& EditorController::RefreshStatus()
{
    m_status.modified = m_model.ModifiedText();
    if (std::optional<std::string> position = m_model.PositionText()) {
        m_status.position = std::move(*position);
    }
    m_status.path = m_model.PathText();
    return m_status;
}

} // namespace orvenda
