#pragma once
// The view of a Movie/TV document: its text is built by CMovieTVText (heading with its
// episodes list, then the section of the document's section mode).

#include "documents/ui/RichDocumentView.h"

class CRVMDoc;

class CRVMView : public CRichDocumentView {
    Q_OBJECT
public:
    CRVMView(CRVMDoc& document, const Context& context, QWidget* parent = nullptr);

    CRVMDoc* GetMovieDocument() const;

protected:
    void BuildText(const platform::ITextMeasure& measure) override;
    const CRecordStore& Records() const override;
    int PopupMenuFor(int linkKind) const override;
    std::string LinkHeading() const override;

private:
    CRVMDoc& m_movie;
};
