#pragma once
// Document template: one kind of document (its ProgID, file extension and filter) and
// the documents of that kind that are open. Owns its documents.

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class CDocManager;
class CDocument;

class CDocTemplate {
public:
    // How well a template fits a file, the framework's values; the manager takes the
    // highest.
    enum Confidence {
        noAttempt = 0,
        maybeAttemptForeign = 1,
        maybeAttemptNative = 2,
        yesAttemptForeign = 3,
        yesAttemptNative = 4,
        yesAlreadyOpen = 5,
    };

    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    // Makes the frame and view(s) of a new or loaded document and attaches them; false
    // when that failed (the document is then closed again).
    using FrameFactory = std::function<bool(CDocument&)>;

    // `docName` names untitled documents ("Untitled" gives "Untitled1", ...);
    // `extension` begins with '.'.
    CDocTemplate(std::string progId, std::string docName, std::string filterName, std::string extension,
                 DocumentFactory factory);
    virtual ~CDocTemplate();
    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    const std::string& GetProgId() const { return m_progId; }
    const std::string& GetFilterName() const { return m_filterName; }
    const std::string& GetExtension() const { return m_extension; }
    const std::string& GetDocName() const { return m_docName; }

    void SetFrameFactory(FrameFactory factory) { m_frameFactory = std::move(factory); }
    CDocManager* GetDocManager() const { return m_docManager; }

    // How well this template fits `path`; sets `match` to the open document of that path
    // when it returns yesAlreadyOpen, else to null. The default: an open document of
    // the same path, then the extension compared without regard to case.
    virtual Confidence MatchDocType(const std::string& path, CDocument*& match);

    // An empty path makes a new untitled document (OnNewDocument); otherwise the file is
    // loaded (OnOpenDocument) and the document takes its path. Returns null when the
    // document was refused, failed to load or got no frame; it is then destroyed. A
    // failed load is reported through the prompt.
    CDocument* OpenDocumentFile(const std::string& path);

    // Open documents in the order they were opened.
    std::vector<CDocument*> GetDocuments() const;
    // Closes `document` (OnCloseDocument) and destroys it. No question is asked.
    void CloseDocument(CDocument* document);
    // SaveModified on every document; false as soon as one refuses.
    bool SaveAllModified();
    void CloseAllDocuments();

private:
    friend class CDocManager;

    std::string m_progId;
    std::string m_docName;
    std::string m_filterName;
    std::string m_extension;
    DocumentFactory m_factory;
    FrameFactory m_frameFactory;
    CDocManager* m_docManager = nullptr;
    std::vector<std::unique_ptr<CDocument>> m_documents;
    int m_untitledCount = 0;
};

} // namespace platform
