#pragma once
// What the Movie/TV and Cast/Crew views add to the rich document view: the kind's own
// document, whose records the view reads, and the kind's popup menu of each link kind.
// The kind's view writes the text and chooses a linked document's heading.

#include "documents/RtfLinkTable.h"
#include "documents/ui/RichDocumentView.h"

// The popup menus of one kind of view.
struct LinkPopupMenus {
    int none; // a click beside every link
    int title;
    int name;
    int nameReference;
    int webAddress;
};

template <class Document> class CRecordDocumentView : public CRichDocumentView {
public:
    CRecordDocumentView(Document& document, const LinkPopupMenus& menus, const Context& context, QWidget* parent)
        : CRichDocumentView(document, context, parent), m_document(document), m_menus(menus)
    {
    }

protected:
    Document& KindDocument() const { return m_document; }

    const CRecordStore& Records() const override { return m_document.GetRecords(); }

    int PopupMenuFor(int linkKind) const override
    {
        switch (static_cast<RtfLinkKind>(linkKind)) {
        case RtfLinkKind::Title:
            return m_menus.title;
        case RtfLinkKind::Name:
            return m_menus.name;
        case RtfLinkKind::NameReference:
            return m_menus.nameReference;
        case RtfLinkKind::WebAddress:
            return m_menus.webAddress;
        }
        return m_menus.none;
    }

private:
    Document& m_document;
    const LinkPopupMenus m_menus;
};
