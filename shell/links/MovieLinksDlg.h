#pragma once
// "Movie Links": every title the active view links to, once each, as a check list (all
// checked), and a new Movie/TV document for each checked title on request, ready for Get
// Information. The list is filled from the view's links when the dialog opens and does
// not follow later rebuilds of the view.

#include <QDialog>
#include <string>
#include <vector>

class CRtfWriter;
class QListWidget;
class QPushButton;
namespace platform {
class CDocManager;
}

class CMovieLinksDlg : public QDialog {
    Q_OBJECT
public:
    // `writer` is the active view's; only its link table is read, here. New documents
    // come from `docManager`'s Movie/TV template.
    CMovieLinksDlg(const CRtfWriter& writer, platform::CDocManager& docManager, QWidget* parent = nullptr);

    QListWidget* TitleList() const { return m_titleList; }

    // "Create Document(s)": asks, then makes a document for every checked title in list
    // order; a document that cannot be made is skipped. The dialog stays open.
    void OnCreate();
    void OnClearAll();
    void OnSetAll();

private:
    void SetAllChecks(bool checked);

    platform::CDocManager& m_docManager;
    // The titles of the list's rows, as the links give them.
    std::vector<std::string> m_titles;
    QListWidget* m_titleList;
};
