#include "table/lista_jugadas_mesa.h"

#include "kit/controles.h"
#include "platform/virtual_screen.h"
#include "table/lienzo_mesa.h"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>

namespace zp {

namespace {

constexpr int kMargenIzquierdo = 2;
constexpr int kMargenInferiorDesplegada = 60;

// Character columns of a line: 1-2 the number, 4-12 the name, 14 on the tile or the word.
struct Columnas
{
    QString numero, nombre, resto;
};

Columnas Partir(const QString& linea)
{
    return {linea.left(2).trimmed(), linea.mid(3, 9).trimmed(), linea.mid(13)};
}

// Draws each column at its own place, so that the names and the tiles line up whatever their widths: the
// window's font is not of fixed pitch.
class LineasJugadas : public QStyledItemDelegate
{
public:
    explicit LineasJugadas(QListWidget* lista) : QStyledItemDelegate(lista)
    {
        // The widest name is measured again only when the lines change.
        QAbstractItemModel* modelo = lista->model();
        const auto olvidar = [this] { anchoNombres_ = -1; };
        connect(modelo, &QAbstractItemModel::rowsInserted, this, olvidar);
        connect(modelo, &QAbstractItemModel::rowsRemoved, this, olvidar);
        connect(modelo, &QAbstractItemModel::dataChanged, this, olvidar);
        connect(modelo, &QAbstractItemModel::modelReset, this, olvidar);
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        // Rounded down, so that five whole lines fit the list's height however the screen is scaled.
        return {1, std::max(1, int(std::floor(kAltoLineaLista * virtualScreen().scale() + 1e-9)))};
    }

    void paint(QPainter* pintor, const QStyleOptionViewItem& opcion, const QModelIndex& indice) const override
    {
        QStyleOptionViewItem o(opcion);
        initStyleOption(&o, indice);
        const Columnas c = Partir(o.text);
        o.text.clear();
        const QWidget* lista = o.widget;
        QStyle* estilo = lista ? lista->style() : nullptr;
        if (estilo) estilo->drawControl(QStyle::CE_ItemViewItem, &o, pintor, lista);

        const QFontMetrics medida(o.font);
        const int x0 = virtualScreen().toReal(kMargenIzquierdo);
        const int anchoNumero = medida.horizontalAdvance(QStringLiteral("00"));
        const int xNombre = x0 + anchoNumero + medida.horizontalAdvance(QLatin1Char(' '));
        const int xResto =
            xNombre + AnchoNombres(indice.model(), o.font) + medida.horizontalAdvance(QLatin1Char(' '));
        const bool elegida = o.state & QStyle::State_Selected;
        pintor->save();
        pintor->setFont(o.font);
        pintor->setPen(o.palette.color(elegida ? QPalette::HighlightedText : QPalette::Text));
        const QRect r = o.rect;
        const int flags = Qt::AlignVCenter | Qt::TextSingleLine;
        pintor->drawText(QRect(r.left() + x0, r.top(), anchoNumero, r.height()), flags | Qt::AlignRight,
                         c.numero);
        pintor->drawText(QRect(r.left() + xNombre, r.top(), r.width(), r.height()), flags, c.nombre);
        pintor->drawText(QRect(r.left() + xResto, r.top(), r.width(), r.height()), flags, c.resto);
        pintor->restore();
    }

private:
    // The widest name in the list: the tiles start after it.
    int AnchoNombres(const QAbstractItemModel* modelo, const QFont& fuente) const
    {
        if (anchoNombres_ >= 0 && fuente == fuenteMedida_) return anchoNombres_;
        const QFontMetrics medida(fuente);
        int ancho = 0;
        for (int i = 0; modelo && i < modelo->rowCount(); ++i) {
            const QString linea = modelo->index(i, 0).data().toString();
            ancho = std::max(ancho, medida.horizontalAdvance(Partir(linea).nombre));
        }
        fuenteMedida_ = fuente;
        anchoNombres_ = ancho;
        return ancho;
    }

    mutable int anchoNombres_ = -1;
    mutable QFont fuenteMedida_;
};

// A click or a double click anywhere on the list, on a line or not.
class ClicsLista : public QObject
{
public:
    ClicsLista(QListWidget& lista, const Entero& lineaActual)
        : QObject(&lista), lista_(lista), lineaActual_(lineaActual)
    {
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() == QEvent::MouseButtonRelease) {
            Lis_Grabadora_Click(lista_, lineaActual_);
        } else if (evento->type() == QEvent::MouseButtonDblClick) {
            Lis_Grabadora_DblClick(lista_);
            return true;
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    QListWidget& lista_;
    const Entero& lineaActual_;
};

constexpr const char* kGeometria = "geometriaLogica";
constexpr const char* kPlegada = "geometriaPlegada";

void Colocar(QListWidget& lista, const QRect& logica)
{
    lista.setProperty(kGeometria, logica);
    lista.setGeometry(virtualScreen().toReal(logica));
}

} // namespace

QListWidget* CrearListaJugadas(QWidget* padre, const Entero& lineaActual)
{
    auto* lista = new QListWidget(padre);
    lista->setObjectName(QStringLiteral("Lis_Grabadora"));
    lista->setFont(FuenteCaja(FuenteMesa(kPixeles9, true), true));
    lista->setUniformItemSizes(true);
    lista->setItemDelegate(new LineasJugadas(lista));
    lista->setTextElideMode(Qt::ElideNone);
    lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lista->setFrameStyle(QFrame::Box | QFrame::Plain); // one pixel each way: five lines fill it
    lista->setLineWidth(1);
    lista->setSpacing(0);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    // Keys belong to the table: a key is the Continue button.
    lista->setFocusPolicy(Qt::NoFocus);
    lista->viewport()->installEventFilter(new ClicsLista(*lista, lineaActual));
    lista->hide();
    return lista;
}

void ColocarListaJugadas(QListWidget& lista, const QRect& logica)
{
    lista.setProperty(kPlegada, logica);
    Colocar(lista, logica);
}

QRect GeometriaListaJugadas(const QListWidget& lista)
{
    return lista.property(kGeometria).toRect();
}

void Lis_Grabadora_Click(QListWidget& lista, Entero lineaActual)
{
    if (lineaActual >= 0 && lineaActual < lista.count())
        lista.setCurrentRow(lineaActual);
    else
        lista.clearSelection();
}

void Lis_Grabadora_DblClick(QListWidget& lista)
{
    const QRect r = GeometriaListaJugadas(lista);
    const QRect plegada = lista.property(kPlegada).toRect();
    const int altoPantalla = plegada.top() + plegada.height(); // its bottom is the table's bottom edge
    // Folded is its own five lines, wherever the layout put its top.
    if (r.height() <= plegada.height() && lista.count() > kLineasListaPlegada) {
        const int alto =
            std::min(kAltoLineaLista * lista.count() + 2, altoPantalla - kMargenInferiorDesplegada);
        Colocar(lista, QRect(r.left(), altoPantalla - alto, r.width(), alto));
        return;
    }
    Colocar(lista, plegada);
    // A selected line out of the five in sight becomes the top one, as near as the list's end lets it.
    QListWidgetItem* elegida = lista.currentItem();
    if (!elegida || !elegida->isSelected()) return;
    const QListWidgetItem* arriba = lista.itemAt(0, 0);
    const int superior = arriba ? lista.row(arriba) : 0;
    const int fila = lista.row(elegida);
    if (fila < superior || fila > superior + kLineasListaPlegada - 1)
        lista.scrollToItem(elegida, QAbstractItemView::PositionAtTop);
}

} // namespace zp
