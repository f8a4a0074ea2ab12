#include "scores/texto_hoja.h"

#include "kit/controles.h"

#include <QFontMetrics>
#include <QPainter>

namespace zp {

QFont FuenteHoja(const FontSpec& f, bool cursiva)
{
    QFont fuente = FuenteCaja(f);
    fuente.setItalic(cursiva);
    fuente.setHintingPreference(cursiva ? QFont::PreferDefaultHinting : QFont::PreferFullHinting);
    fuente.setStyleStrategy(QFont::NoSubpixelAntialias);
    return fuente;
}

namespace {

template <typename Dibujo> void PintarSobre(Surface& s, Dibujo dibujo)
{
    QImage imagen = s.image();
    {
        QPainter pintor(&imagen);
        dibujo(pintor);
    }
    const QRgb fondo = s.background();
    s = Surface::fromImage(imagen);
    s.setBackground(fondo);
}

} // namespace

int EscribirEnHoja(Surface& s, int x, int y, const QString& texto, const QFont& fuente, QRgb color)
{
    PintarSobre(s, [&](QPainter& p) {
        p.setFont(fuente);
        p.setPen(QColor::fromRgb(color | 0xFF000000u));
        p.drawText(x, y + QFontMetrics(fuente).ascent(), texto);
    });
    return AnchoEnHoja(texto, fuente);
}

int AnchoEnHoja(const QString& texto, const QFont& fuente)
{
    return QFontMetrics(fuente).horizontalAdvance(texto);
}

void EscribirEnRejilla(Surface& s, int x, int y, const QString& texto, const QFont& fuente, QRgb color,
                       int paso)
{
    PintarSobre(s, [&](QPainter& p) {
        p.setFont(fuente);
        p.setPen(QColor::fromRgb(color | 0xFF000000u));
        const int base = y + QFontMetrics(fuente).ascent();
        for (qsizetype i = 0; i < texto.size(); ++i)
            if (texto[i] != QLatin1Char(' ')) p.drawText(x + paso * int(i), base, QString(texto[i]));
    });
}

} // namespace zp
