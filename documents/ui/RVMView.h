#pragma once
// The view of a Movie/TV document: its text is built by CMovieTVText (heading with its
// episodes list, then the section of the document's section mode).

#include "documents/RVMDoc.h"
#include "documents/ui/RecordDocumentView.h"

class CRVMView : public CRecordDocumentView<CRVMDoc> {
    Q_OBJECT
public:
    CRVMView(CRVMDoc& document, const Context& context, QWidget* parent = nullptr);

protected:
    void BuildText(const platform::ITextMeasure& measure) override;
    std::string LinkHeading() const override;
};
