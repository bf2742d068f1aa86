#pragma once
// Document base of the document/view framework, in plain C++ so that documents are
// tested without widgets. A document is owned by its template (CDocTemplate); views and
// their frames attach to it through IView.

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class Archive;
class CDocTemplate;
class IView;

class CDocument {
public:
    CDocument();
    virtual ~CDocument();
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // The file the document was loaded from or saved to; empty for a new document.
    const std::string& GetPathName() const { return m_pathName; }
    // Sets the path and the title (the path's file name); with `addToRecent` the path
    // goes to the top of the template's manager's recent-file list.
    virtual void SetPathName(const std::string& path, bool addToRecent = true);
    const std::string& GetTitle() const { return m_title; }
    virtual void SetTitle(const std::string& title);

    // Readable from any thread; the search thread marks a document it fills.
    bool IsModified() const { return m_modified.load(); }
    void SetModifiedFlag(bool modified = true) { m_modified.store(modified); }

    CDocTemplate* GetDocTemplate() const { return m_docTemplate; }

    // Views (not owned), in the order they were attached.
    void AddView(IView* view);
    void RemoveView(IView* view);
    const std::vector<IView*>& GetViews() const { return m_views; }
    // Tells every view except `sender` that the document changed. GUI thread only.
    void UpdateAllViews(IView* sender, std::intptr_t hint = 0);

    // A fresh empty document: DeleteContents, not modified. False refuses the document.
    virtual bool OnNewDocument();
    // Loads `path` through Serialize. On failure the content is deleted, LastError()
    // says why and the result is false; nothing throws out.
    virtual bool OnOpenDocument(const std::string& path);
    // Saves to `path` through Serialize; clears the modified flag on success. On failure
    // LastError() says why and the result is false.
    virtual bool OnSaveDocument(const std::string& path);
    // Detaches the views (each gets OnCloseDocument) and deletes the content. The
    // template then destroys the document.
    virtual void OnCloseDocument();

    // Reads or writes the document's content; throws ArchiveException on a bad file.
    virtual void Serialize(Archive& archive) = 0;
    // Empties the content (before a load and when closing).
    virtual void DeleteContents();

    // Asked before the document closes: true lets it close. A modified document asks
    // "Save changes to %s?" with Yes, No, Cancel; Yes saves first.
    virtual bool SaveModified();
    // File > Save: to the path, or asks for one when there is none or the file is
    // read-only.
    virtual bool DoFileSave();
    // Saves to `path`; an empty path (File > Save As) asks for one first. With
    // `replace` the document takes the new path.
    virtual bool DoSave(const std::string& path, bool replace = true);

    // Why the last load or save failed (empty after a success).
    const std::string& LastError() const { return m_lastError; }
    // The archive cause of the last failed load (0 when none or not an archive fault).
    int LastErrorCause() const { return m_lastErrorCause; }

private:
    friend class CDocTemplate;
    // The file dialog of Save As, with `name` proposed; receives the chosen name, the
    // kind's extension added. False when the user cancelled.
    bool PromptForSaveName(std::string& name) const;
    void ReportSaveError(const std::string& path);

    CDocTemplate* m_docTemplate = nullptr;
    std::string m_pathName;
    std::string m_title;
    std::atomic<bool> m_modified{false};
    std::vector<IView*> m_views;
    std::string m_lastError;
    int m_lastErrorCause = 0;
};

} // namespace platform
