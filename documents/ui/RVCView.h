#pragma once
// The view of a Cast/Crew document: its text is built by CCastCrewText (the person's
// name, then the biography blocks and the filmography in their fixed order).

#include "documents/ui/RichDocumentView.h"

class CRVCDoc;

class CRVCView : public CRichDocumentView {
    Q_OBJECT
public:
    CRVCView(CRVCDoc& document, const Context& context, QWidget* parent = nullptr);

    CRVCDoc* GetCastDocument() const;

protected:
    void BuildText(const platform::ITextMeasure& measure) override;
    const CRecordStore& Records() const override;
    int PopupMenuFor(int linkKind) const override;
    std::string LinkHeading() const override;

private:
    CRVCDoc& m_cast;
};
