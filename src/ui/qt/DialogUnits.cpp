#include "ui/qt/DialogUnits.h"

#include <QFontMetrics>

namespace
{
// The average width is taken over the letters, rounded to the nearest pixel.
int MeasureAverageCharWidth(const QFontMetrics& metrics)
{
    const QString strLetters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (metrics.horizontalAdvance(strLetters) / 26 + 1) / 2;
}

// Rounds nValue * nNumerator / nDenominator to the nearest integer.
int Scale(int nValue, int nNumerator, int nDenominator)
{
    return (nValue * nNumerator + nDenominator / 2) / nDenominator;
}
} // namespace

CDialogUnits::CDialogUnits(const QFont& font)
    : CDialogUnits(MeasureAverageCharWidth(QFontMetrics(font)), QFontMetrics(font).height())
{
}

CDialogUnits::CDialogUnits(int nCharWidth, int nCharHeight)
    : m_nCharWidth(nCharWidth), m_nCharHeight(nCharHeight)
{
}

int CDialogUnits::ToPixelsX(int nUnits) const
{
    return Scale(nUnits, m_nCharWidth, 4);
}

int CDialogUnits::ToPixelsY(int nUnits) const
{
    return Scale(nUnits, m_nCharHeight, 8);
}

QRect CDialogUnits::ToPixels(int nX, int nY, int nWidth, int nHeight) const
{
    return QRect(ToPixelsX(nX), ToPixelsY(nY), ToPixelsX(nWidth), ToPixelsY(nHeight));
}
