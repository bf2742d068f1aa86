#pragma once
// Change Font: the output font of the documents and the colour of their text. The caller
// gives the stored font record, the colour and the screen's dots per inch; on OK the
// record comes back with the choice applied and every other field as it was.

#include "platform/LogFont.h"

#include <QDialog>

class CColorComboBox;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;

class CFontColorDlg : public QDialog {
    Q_OBJECT
public:
    CFontColorDlg(QWidget* parent, const platform::LogFont& font, platform::ColorRef colour, int dotsPerInch);

    platform::LogFont Font;
    platform::ColorRef Color;

protected:
    void accept() override;

private:
    // The chosen font as a QFont of the chosen point size.
    QFont Chosen() const;
    void UpdateSample();

    int m_dotsPerInch;
    // The family the font list showed at first: the stored face, or what stands in for it.
    QString m_shownFamily;
    QFontComboBox* m_family;
    QComboBox* m_size;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    QCheckBox* m_strikeOut;
    CColorComboBox* m_color;
    QLabel* m_sample;
};
