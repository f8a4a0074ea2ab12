#pragma once
// An image control of the table: a picture with a transparent ground drawn over the table's own drawing
// (and under its picture boxes), moved, shown and hidden. It has no window of its own.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

namespace zp {

class ImagenMesa
{
public:
    ImagenMesa() = default;
    explicit ImagenMesa(QString nombre) : nombre_(std::move(nombre)) {}

    // The owner repaints the rectangles that change.
    void PonerAviso(std::function<void(const QRect&)> aviso) { aviso_ = std::move(aviso); }

    const QString& Nombre() const { return nombre_; }
    void PonerDibujo(const QImage& dibujo); // the control takes the picture's size
    const QImage& Dibujo() const { return dibujo_; }
    void Move(QPoint sitio);
    void Show() { PonerVisible(true); }
    void Hide() { PonerVisible(false); }
    void PonerVisible(bool visible);
    bool Visible() const { return visible_; }
    QRect Rectangulo() const { return QRect(sitio_, dibujo_.size()); }
    // The custom cursor the pointer takes over the control ("ManoIndice"), empty for none.
    QString Cursor;

private:
    void Avisar(const QRect& r) const
    {
        if (aviso_ && visible_) aviso_(r);
    }

    QString nombre_;
    QImage dibujo_;
    QPoint sitio_;
    bool visible_ = false;
    std::function<void(const QRect&)> aviso_;
};

inline void ImagenMesa::PonerDibujo(const QImage& dibujo)
{
    Avisar(Rectangulo());
    dibujo_ = dibujo.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Avisar(Rectangulo());
}

inline void ImagenMesa::Move(QPoint sitio)
{
    Avisar(Rectangulo());
    sitio_ = sitio;
    Avisar(Rectangulo());
}

inline void ImagenMesa::PonerVisible(bool visible)
{
    if (visible == visible_) return;
    if (!visible) Avisar(Rectangulo());
    visible_ = visible;
    Avisar(Rectangulo());
}

} // namespace zp
