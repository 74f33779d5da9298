#pragma once

#include <QFont>
#include <QRect>

// Converts dialog units, the font-relative measure of dialog templates, to pixels: a horizontal
// unit is a quarter of the font's average character width, a vertical unit an eighth of its height.
class CDialogUnits
{
public:
    explicit CDialogUnits(const QFont& font);
    CDialogUnits(int nCharWidth, int nCharHeight);

    int ToPixelsX(int nUnits) const;
    int ToPixelsY(int nUnits) const;
    QRect ToPixels(int nX, int nY, int nWidth, int nHeight) const;

private:
    int m_nCharWidth;
    int m_nCharHeight;
};
