#pragma once
// The application's document templates and the recent-file list: opening a file asks
// every template and takes the best match.

#include "platform/RecentFileList.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {

class CDocTemplate;
class CDocument;

class CDocManager {
public:
    explicit CDocManager(int recentFiles = 4);
    ~CDocManager();
    CDocManager(const CDocManager&) = delete;
    CDocManager& operator=(const CDocManager&) = delete;

    // Takes ownership; templates are asked in the order they were added.
    CDocTemplate* AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate);
    const std::vector<std::unique_ptr<CDocTemplate>>& GetTemplates() const { return m_templates; }
    // The template of `progId`, or null.
    CDocTemplate* FindTemplate(const std::string& progId) const;

    // Opens `path` with the template that fits best (the first added on a tie). When
    // the file is already open its document's first view is activated and that document
    // returned. Null when no template fits or the load failed (reported through the
    // prompt); a successful open puts the path on the recent-file list.
    CDocument* OpenDocumentFile(const std::string& path);
    // The recent-file entry `index`; a file that fails to open leaves the list.
    CDocument* OpenRecentFile(int index);

    // Every open document of every template.
    std::vector<CDocument*> GetDocuments() const;
    bool SaveAllModified();
    void CloseAllDocuments();

    CRecentFileList& RecentFiles() { return m_recentFiles; }
    void AddToRecentFileList(const std::string& path) { m_recentFiles.Add(path); }

private:
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    CRecentFileList m_recentFiles;
};

} // namespace platform
