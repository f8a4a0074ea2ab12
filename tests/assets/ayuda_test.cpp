// Las páginas de ayuda van dentro del programa bajo :/ayuda/, tal como se escribieron: una por contexto de la
// lista de contextos, con su título, y el índice que las enlaza todas; cada página es UTF-8, vuelve al índice
// y sus enlaces llevan a páginas que existen.
#include "assets/recursos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

const QDir kFuentes(QFileInfo(QString::fromUtf8(__FILE__)).absolutePath() +
                    QStringLiteral("/../../assets/help"));

QString Dentro(const QString& nombre)
{
    return QString::fromLatin1(zp::recursos::ayuda::Prefijo) + nombre;
}

QByteArray Leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Captura(const QString& html, const QString& patron)
{
    return QRegularExpression(patron, QRegularExpression::CaseInsensitiveOption)
        .match(html)
        .captured(1)
        .trimmed();
}

// Where each href="..." of a page leads, anchors left out.
QSet<QString> Enlaces(const QString& html)
{
    static const QRegularExpression re(QStringLiteral(R"(href\s*=\s*"([^"#]*)[^"]*")"),
                                       QRegularExpression::CaseInsensitiveOption);
    QSet<QString> destinos;
    for (auto it = re.globalMatch(html); it.hasNext();) destinos.insert(it.next().captured(1));
    return destinos;
}

TEST(PaginasDeAyuda, cada_contexto_de_la_lista_tiene_su_pagina_con_su_titulo_y_el_indice_las_enlaza)
{
    zp::recursos::RegistrarRecursos();
    const QStringList lista = QString::fromUtf8(Leer(kFuentes.filePath(QStringLiteral("contextos.txt"))))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(lista.size(), 20);
    const QSet<QString> enElIndice =
        Enlaces(QString::fromUtf8(Leer(QString::fromLatin1(zp::recursos::ayuda::Indice))));
    QSet<QString> esperadas;
    for (const QString& linea : lista) {
        const QString pagina = linea.section(QLatin1Char(' '), 0, 0) + QStringLiteral(".html");
        esperadas.insert(pagina);
        const QString html = QString::fromUtf8(Leer(Dentro(pagina)));
        EXPECT_EQ(Captura(html, QStringLiteral("<title>([^<]*)</title>")),
                  linea.section(QLatin1Char(' '), 1).trimmed())
            << pagina.toStdString();
        EXPECT_TRUE(enElIndice.contains(pagina)) << pagina.toStdString();
    }
    static const QRegularExpression numerada(QStringLiteral(R"(^\d+\.html$)"));
    QSet<QString> numeradas;
    for (const QString& p : QDir(Dentro({})).entryList({QStringLiteral("*.html")}))
        if (numerada.match(p).hasMatch()) numeradas.insert(p);
    EXPECT_EQ(numeradas, esperadas);
}

TEST(PaginasDeAyuda,
     cada_pagina_va_tal_cual_es_utf8_vuelve_al_indice_y_sus_enlaces_llevan_a_paginas_que_existen)
{
    zp::recursos::RegistrarRecursos();
    const QStringList paginas = kFuentes.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_FALSE(paginas.isEmpty());
    const QSet<QString> existentes(paginas.cbegin(), paginas.cend());
    for (const QString& nombre : paginas) {
        SCOPED_TRACE(nombre.toStdString());
        const QByteArray datos = Leer(Dentro(nombre));
        EXPECT_EQ(datos, Leer(kFuentes.filePath(nombre)));
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString html = utf8.decode(datos);
        EXPECT_FALSE(utf8.hasError());
        EXPECT_TRUE(html.contains(QStringLiteral("charset=\"utf-8\""), Qt::CaseInsensitive));
        EXPECT_FALSE(Captura(html, QStringLiteral("<title>([^<]*)</title>")).isEmpty());
        const QSet<QString> destinos = Enlaces(html);
        EXPECT_TRUE(nombre == QStringLiteral("indice.html") ||
                    destinos.contains(QStringLiteral("indice.html")));
        for (const QString& destino : destinos)
            if (!destino.isEmpty() && !destino.contains(QLatin1Char(':'))) {
                EXPECT_TRUE(existentes.contains(destino)) << destino.toStdString();
            }
    }
}

} // namespace
