#pragma once
// The view of a Cast/Crew document: its text is built by CCastCrewText (the person's
// name, then the biography blocks and the filmography in their fixed order).

#include "documents/RVCDoc.h"
#include "documents/ui/RecordDocumentView.h"

class CRVCView : public CRecordDocumentView<CRVCDoc> {
    Q_OBJECT
public:
    CRVCView(CRVCDoc& document, const Context& context, QWidget* parent = nullptr);

protected:
    void BuildText(const platform::ITextMeasure& measure) override;
    std::string LinkHeading() const override;
};
