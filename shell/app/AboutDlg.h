#pragma once
// The About box: program icon, version line, the author's mail link, the maker's home
// page and the data provider's home page.

#include <QDialog>
#include <string>

class CHyperLink;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    // `providerAddress` is the data provider's web address the documents link to.
    CAboutDlg(QWidget* parent, const std::string& providerAddress);

    // The author's mail link and the maker's home page.
    static constexpr const char* kMailAddress = "reelvoyager@tolvik-software.example";
    static constexpr const char* kHomePage = "https://www.tolvik-software.example";

private:
    CHyperLink* m_mail;
    CHyperLink* m_homePage;
    CHyperLink* m_provider;
};
