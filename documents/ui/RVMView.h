#pragma once
// The view of a Movie/TV document: heading with its episodes list, then the section of
// the document's section mode.

#include "documents/ui/RichDocumentView.h"

class CRVMDoc;

class CRVMView : public CRichDocumentView {
    Q_OBJECT
public:
    CRVMView(CRVMDoc& document, const Context& context, QWidget* parent = nullptr);

    CRVMDoc* GetMovieDocument() const;

protected:
    void PrepareWriter() override;
    bool WriteHeading(const CRecordStore& records) override;
    void WriteContent(const CRecordStore& records) override;
    int SearchState() const override;
    const CRecordStore& Records() const override;
    int PopupMenuFor(int linkKind) const override;
    std::string LinkHeading() const override;

    // The episodes list under the heading; true when it wrote.
    virtual bool WriteEpisodes(const CRecordStore& records);
    // The section of `mode` (1 Overview .. 6 Complete).
    virtual void WriteSection(int mode, const CRecordStore& records);

private:
    CRVMDoc& m_movie;
};
