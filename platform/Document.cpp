#include "platform/Document.h"

#include "platform/Archive.h"
#include "platform/CodePage.h"
#include "platform/DocManager.h"
#include "platform/DocTemplate.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "platform/SortKeys.h"
#include "platform/View.h"

#include <algorithm>
#include <new>
#include <string_view>

namespace platform {

namespace {

std::string FileNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ReasonOf(const ArchiveException& e)
{
    switch (e.m_cause) {
    case ArchiveException::endOfFile:
        return "The file ends unexpectedly.";
    case ArchiveException::badIndex:
    case ArchiveException::badSchema:
    case ArchiveException::badClass:
        return "Unexpected file format.";
    default:
        return e.what();
    }
}

} // namespace

CDocument::CDocument() = default;

CDocument::~CDocument() = default;

void CDocument::SetPathName(const std::string& path, bool addToRecent)
{
    m_pathName = path;
    SetTitle(FileNameOf(path));
    if (addToRecent && m_docTemplate && m_docTemplate->GetDocManager())
        m_docTemplate->GetDocManager()->AddToRecentFileList(path);
}

void CDocument::SetTitle(const std::string& title)
{
    m_title = title;
}

void CDocument::AddView(IView* view)
{
    if (view && std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CDocument::RemoveView(IView* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CDocument::UpdateAllViews(IView* sender, std::intptr_t hint)
{
    // A copy: a view may detach itself while it updates.
    const std::vector<IView*> views = m_views;
    for (IView* view : views)
        if (view != sender)
            view->OnUpdate(sender, hint);
}

bool CDocument::OnNewDocument()
{
    DeleteContents();
    m_pathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const std::string& path)
{
    m_lastError.clear();
    m_lastErrorCause = 0;
    try {
        Archive archive = Archive::LoadFile(path);
        DeleteContents();
        SetModifiedFlag(true); // a load that fails halfway leaves no clean document
        Serialize(archive);
    } catch (const ArchiveException& e) {
        m_lastErrorCause = e.m_cause;
        m_lastError = ReasonOf(e);
        DeleteContents();
        return false;
    } catch (const std::bad_alloc&) {
        m_lastError = "Not enough memory.";
        DeleteContents();
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnSaveDocument(const std::string& path)
{
    m_lastError.clear();
    m_lastErrorCause = 0;
    try {
        Archive archive;
        Serialize(archive);
        archive.SaveFile(path);
    } catch (const ArchiveException& e) {
        m_lastErrorCause = e.m_cause;
        m_lastError = e.what();
        return false;
    } catch (const std::bad_alloc&) {
        m_lastError = "Not enough memory.";
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

void CDocument::OnCloseDocument()
{
    const std::vector<IView*> views = m_views;
    m_views.clear();
    for (IView* view : views)
        view->OnCloseDocument();
    DeleteContents();
}

void CDocument::DeleteContents()
{
}

bool CDocument::SaveModified()
{
    if (!IsModified())
        return true;
    const std::string name = m_pathName.empty() ? m_title : FileNameOf(m_pathName);
    switch (AppMessageBox("Save changes to " + name + "?", MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDYES:
        return DoFileSave();
    case IDNO:
        return true;
    default:
        return false;
    }
}

bool CDocument::DoFileSave()
{
    // A file that has become read-only is not written: the user is asked for another
    // name, as Save As does.
    if (!m_pathName.empty() && IsReadOnlyFile(m_pathName))
        return DoSave(std::string(), true);
    return DoSave(m_pathName, true);
}

bool CDocument::DoSave(const std::string& path, bool replace)
{
    std::string newName = path;
    if (newName.empty()) {
        newName = m_pathName;
        if (newName.empty()) {
            newName = m_title;
            if (m_docTemplate && newName.find('.') == std::string::npos)
                newName += m_docTemplate->GetExtension();
        }
        if (!PromptForSaveName(newName))
            return false;
    }
    if (!OnSaveDocument(newName)) {
        ReportSaveError(newName);
        return false;
    }
    if (replace)
        SetPathName(newName);
    return true;
}

bool CDocument::PromptForSaveName(std::string& name) const
{
    const std::string extension = m_docTemplate ? Cp1252ToUtf8(m_docTemplate->GetExtension()) : std::string();
    for (;;) {
        if (!Prompt().PromptForFileName(name, true, m_docTemplate))
            return false;
        // A name that does not end with the kind's extension gets it; a dot inside the
        // name ("Dr. No (1962)") makes no extension.
        if (extension.empty() ||
            (name.size() >= extension.size() &&
             CompareTextNoCase(std::string_view(name).substr(name.size() - extension.size()), extension) == 0))
            return true; // the dialog has asked about this name itself
        const std::string typed = name;
        name += extension;
        // The dialog never saw this name, so its question about a file that exists is
        // asked here, in its words; No goes back to the dialog.
        if (!FileExists(name) || IsSameFile(name, m_pathName))
            return true;
        const std::string question = FileNameOf(name) + " already exists.\nDo you want to replace it?";
        if (Prompt().MessageBox(question, "Save As", MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES)
            return true;
        name = typed;
    }
}

void CDocument::ReportSaveError(const std::string& path)
{
    AppMessageBox("Cannot save \"" + path + "\".\n" + m_lastError, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace platform
