#pragma once
// The view of a Cast/Crew document: the person's name, then the biography blocks and
// the filmography in their fixed order.

#include "documents/ui/RichDocumentView.h"

#include <functional>
#include <vector>

class CRVCDoc;

class CRVCView : public CRichDocumentView {
    Q_OBJECT
public:
    // A block builder: writes its block when it has records (or headers are always
    // shown) and says whether it wrote.
    using BlockBuilder = std::function<bool(CRVCView&, const CRecordStore&)>;
    // Blocks that share one blank line after them.
    struct BlockGroup {
        std::vector<BlockBuilder> blocks;
    };

    CRVCView(CRVCDoc& document, const Context& context, QWidget* parent = nullptr);

    CRVCDoc* GetCastDocument() const;
    // The groups in display order; builders are added as they are made.
    std::vector<BlockGroup>& Groups() { return m_groups; }

protected:
    void PrepareWriter() override;
    bool WriteHeading(const CRecordStore& records) override;
    void WriteContent(const CRecordStore& records) override;
    int SearchState() const override;
    const CRecordStore& Records() const override;
    int PopupMenuFor(int linkKind) const override;
    std::string LinkHeading() const override;

private:
    CRVCDoc& m_cast;
    std::vector<BlockGroup> m_groups;
};
