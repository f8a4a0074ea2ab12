// Páginas de ayuda compiladas en el ejecutable bajo :/ayuda/ (una por número de contexto, más el índice).
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <gtest/gtest.h>

#include <array>

#include "assets/recursos.h"

namespace {

// Copia de assets/help/contextos.txt: los números de contexto de ayuda que usa el programa.
constexpr std::array<int, 26> kContextos{
    1020, 1040, 2121, 2123, 2124, 2125, 2128, 2129, 2135, 2136, 2141, 2142, 2144,
    2145, 2148, 2149, 2150, 2151, 2153, 2161, 2181, 2183, 2185, 2197, 2500, 5100,
};

const QString kCarpeta = QStringLiteral(":/ayuda");
const QString kIndice = QStringLiteral("indice.html");

// Enlazar `assets` ya registra los recursos; registrarlos otra vez no hace daño y no depende del enlazador.
void asegurarRecursos()
{
    static const bool registrados = (zp::recursos::RegistrarRecursos(), true);
    (void)registrados;
}

QByteArray leerRecurso(const QString& nombre)
{
    QFile f(kCarpeta + QLatin1Char('/') + nombre);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

// Decodifica como UTF-8; false si hay secuencias no válidas.
bool decodificarUtf8(const QByteArray& datos, QString& texto)
{
    QStringDecoder decodificador(QStringDecoder::Utf8);
    texto = decodificador.decode(datos);
    return !decodificador.hasError();
}

QStringList paginasHtml()
{
    asegurarRecursos();
    return QDir(kCarpeta).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

// Destinos de los enlaces href="..." de una página.
QSet<QString> enlaces(const QString& html)
{
    static const QRegularExpression re(QStringLiteral(R"(href\s*=\s*"([^"#]*)[^"]*")"),
                                       QRegularExpression::CaseInsensitiveOption);
    QSet<QString> destinos;
    for (auto it = re.globalMatch(html); it.hasNext();) destinos.insert(it.next().captured(1));
    return destinos;
}

bool tieneTitulo(const QString& html)
{
    static const QRegularExpression re(QStringLiteral(R"(<title>\s*\S[^<]*</title>)"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re.match(html).hasMatch();
}

} // namespace

TEST(AyudaPaginas, CadaContextoTieneSuPagina)
{
    asegurarRecursos();
    for (int n : kContextos) {
        const QString nombre = QString::number(n) + QStringLiteral(".html");
        EXPECT_TRUE(QFile::exists(kCarpeta + QLatin1Char('/') + nombre)) << nombre.toStdString();
    }
    EXPECT_TRUE(QFile::exists(kCarpeta + QLatin1Char('/') + kIndice));
}

TEST(AyudaPaginas, LasPaginasNumeradasSonLasDeLaLista)
{
    QSet<QString> esperadas;
    for (int n : kContextos) esperadas.insert(QString::number(n) + QStringLiteral(".html"));
    static const QRegularExpression numerada(QStringLiteral(R"(^\d+\.html$)"));
    QSet<QString> encontradas;
    for (const QString& nombre : paginasHtml())
        if (numerada.match(nombre).hasMatch()) encontradas.insert(nombre);
    EXPECT_EQ(encontradas, esperadas);
}

TEST(AyudaPaginas, CadaPaginaEsUtf8ConTituloYEnlaceAlIndice)
{
    const QStringList paginas = paginasHtml();
    ASSERT_FALSE(paginas.isEmpty()) << "no hay páginas en :/ayuda";
    for (const QString& nombre : paginas) {
        SCOPED_TRACE(nombre.toStdString());
        const QByteArray datos = leerRecurso(nombre);
        ASSERT_FALSE(datos.isEmpty());
        QString html;
        EXPECT_TRUE(decodificarUtf8(datos, html));
        EXPECT_TRUE(html.contains(QStringLiteral("charset=\"utf-8\""), Qt::CaseInsensitive));
        EXPECT_TRUE(tieneTitulo(html));
        if (nombre != kIndice) {
            EXPECT_TRUE(enlaces(html).contains(kIndice));
        }
    }
}

TEST(AyudaPaginas, ElIndiceEnlazaTodasLasPaginas)
{
    asegurarRecursos();
    QString html;
    ASSERT_TRUE(decodificarUtf8(leerRecurso(kIndice), html));
    const QSet<QString> destinos = enlaces(html);
    for (int n : kContextos) {
        const QString nombre = QString::number(n) + QStringLiteral(".html");
        EXPECT_TRUE(destinos.contains(nombre)) << nombre.toStdString();
    }
    for (const QString& nombre : paginasHtml()) {
        if (nombre != kIndice) {
            EXPECT_TRUE(destinos.contains(nombre)) << nombre.toStdString();
        }
    }
}

TEST(AyudaPaginas, LosEnlacesInternosLlevanAPaginasExistentes)
{
    const QStringList paginas = paginasHtml();
    const QSet<QString> existentes(paginas.cbegin(), paginas.cend());
    for (const QString& nombre : paginas) {
        QString html;
        decodificarUtf8(leerRecurso(nombre), html);
        for (const QString& destino : enlaces(html)) {
            if (destino.isEmpty() || destino.contains(QLatin1Char(':')))
                continue; // anclas de la misma página y enlaces externos, si los hubiera
            EXPECT_TRUE(existentes.contains(destino))
                << nombre.toStdString() << " -> " << destino.toStdString();
        }
    }
}
