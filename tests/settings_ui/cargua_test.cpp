#include "comun_ajustes.h"

#include "engine/partida.h"
#include "kit/cursores.h"
#include "settings/cargua.h"
#include "settings/core/cadenas_estado.h"
#include "tests/soporte/motor_sin_ventana.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <functional>

namespace {

using zp::cargua;
using zp::kCarguaBorrar;
using zp::kCarguaCargar;
using zp::kCarguaGuardar;
using zp::ModoCargua;

class Cargua : public prueba::VentanaAjustes
{
protected:
    // Sigue la partida (o la empieza) hasta `esperas` esperas más y la deja a medias.
    void Jugar(int esperas)
    {
        usuario.AbandonarEn = "Continuar";
        usuario.VezAbandono = esperasHechas += esperas;
        zp::Contexto ctx = Ctx();
        const zp::ResultadoPartida r = e.PartidaEnCurso ? zp::ReanudarPartida(ctx) : zp::ComenzarPartida(ctx);
        ASSERT_EQ(r.Fin, zp::FinPartida::Abandonada);
        ASSERT_TRUE(e.ManoEnCurso);
    }

    zp::CadenasEstado Cadenas() const { return zp::GenerarCadenasEstado(e, a); }

    // Abre la ventana en `modo`, hace `accion` en cuanto se muestra y devuelve si se cargó un juego.
    bool Abrir(ModoCargua modo, const std::function<void(cargua&)>& accion)
    {
        bool vista = false;
        QTimer::singleShot(0, [&] {
            auto* ventana = qobject_cast<cargua*>(QApplication::activeModalWidget());
            if (!ventana) return;
            vista = true;
            accion(*ventana);
            if (QApplication::activeModalWidget() == ventana) abierta = true, ventana->close();
        });
        abierta = false;
        zp::Contexto ctx = Ctx();
        const bool cargado = zp::MostrarCargua(ctx, Carpeta(), modo);
        EXPECT_TRUE(vista);
        return cargado;
    }

    static void Escribir(cargua& v, const QString& nombre)
    {
        v.Tex_CarGua->selectAll();
        QTest::keyClick(v.Tex_CarGua, Qt::Key_Delete);
        QTest::keyClicks(v.Tex_CarGua, nombre);
    }
    static void Pulsar(zp::PictureBox* boton)
    {
        QTest::mouseClick(boton, Qt::LeftButton, {}, QPoint(25, 25));
    }
    static QStringList Lista(const cargua& v)
    {
        QStringList l;
        for (int i = 0; i < v.Lis_CarGua->count(); ++i) l << v.Lis_CarGua->item(i)->text();
        return l;
    }
    QStringList Ficheros() const { return QDir(carpeta.path()).entryList(QDir::Files, QDir::Name); }
    QByteArray Leer(const QString& nombre) const
    {
        QFile f(carpeta.filePath(nombre));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    int esperasHechas = 0;
    bool abierta = false; // la ventana seguía abierta al acabar la acción
};

TEST_F(Cargua, guardar_listar_cargar_y_sobrescribir_sin_mirar_mayusculas)
{
    a.PausaEntreJugadas = true;
    Jugar(60);
    const zp::CadenasEstado guardado = Cadenas();
    ASSERT_GT(e.NumeroMano, 1); // con manos ya anotadas

    EXPECT_FALSE(Abrir(kCarguaGuardar, [](cargua& v) {
        EXPECT_EQ(zp::PunteroDe(v.Pic_Guardar), zp::kPunteroProhibido);
        Escribir(v, QStringLiteral("  Partida  "));
        QTest::keyClick(v.Tex_CarGua, Qt::Key_Return);
    }));
    EXPECT_FALSE(abierta);
    EXPECT_EQ(Ficheros(), QStringList{QStringLiteral("Partida.man")});

    Jugar(25);
    ASSERT_NE(Cadenas(), guardado);
    EXPECT_TRUE(Abrir(kCarguaCargar, [](cargua& v) {
        EXPECT_EQ(Lista(v), QStringList{QStringLiteral("Partida")});
        Escribir(v, QStringLiteral("PARTIDA"));
        QTest::keyClick(v.Tex_CarGua, Qt::Key_Return);
    }));
    EXPECT_FALSE(abierta);
    EXPECT_EQ(Cadenas(), guardado);   // la mesa, el marcador y la lista de jugadas como se guardaron
    EXPECT_TRUE(e.RedibujoPendiente); // la mesa la retoma desde su bucle de arriba
    e.RedibujoPendiente = false;

    // Otro estado sobre el mismo juego con otro nombre de mayúsculas: primero el aviso, luego se sobrescribe.
    Jugar(10);
    const QByteArray antes = Leer(QStringLiteral("Partida.man"));
    EXPECT_FALSE(Abrir(kCarguaGuardar, [&](cargua& v) {
        const QString sinAviso = v.TextoMensaje();
        Escribir(v, QStringLiteral("pArTiDa"));
        QTest::keyClick(v.Tex_CarGua, Qt::Key_Return);
        const QString aviso = v.TextoMensaje();
        EXPECT_NE(aviso, sinAviso);
        EXPECT_EQ(Leer(QStringLiteral("Partida.man")), antes);
        // Un cambio del nombre quita el aviso; el doble clic en la lista nunca sobrescribe.
        QTest::keyClick(v.Tex_CarGua, Qt::Key_Backspace);
        EXPECT_NE(v.TextoMensaje(), aviso);
        const QRect fila = v.Lis_CarGua->visualItemRect(v.Lis_CarGua->item(0));
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(v.Lis_CarGua->viewport(), Qt::LeftButton, {}, fila.center());
            QTest::mouseDClick(v.Lis_CarGua->viewport(), Qt::LeftButton, {}, fila.center());
        }
        EXPECT_EQ(v.Tex_CarGua->text(), QStringLiteral("Partida"));
        EXPECT_EQ(v.TextoMensaje(), aviso);
        EXPECT_EQ(Leer(QStringLiteral("Partida.man")), antes);
        Pulsar(v.Pic_Guardar);
    }));
    EXPECT_FALSE(abierta);
    EXPECT_EQ(Ficheros(), QStringList{QStringLiteral("Partida.man")});
    EXPECT_EQ(Leer(QStringLiteral("Partida.man")),
              QByteArray::fromStdString(zp::ComponerFicheroEstado(Cadenas())));
    EXPECT_TRUE(Titulos().empty());
}

TEST_F(Cargua, borrar_pregunta_y_quita_el_juego_de_la_lista)
{
    for (const char* nombre : {"Uno.man", "DOS.MAN", "tres.txt"})
        ASSERT_FALSE(zp::GrabarEstado(Carpeta(), nombre, e, a).has_value());
    for (const bool acepta : {false, true}) {
        SCOPED_TRACE(acepta);
        respuestas[QStringLiteral("Borrar un juego archivado")] = acepta;
        Abrir(kCarguaBorrar, [&](cargua& v) {
            EXPECT_EQ(Lista(v), (QStringList{QStringLiteral("DOS"), QStringLiteral("Uno")}));
            EXPECT_EQ(zp::PunteroDe(v.Pic_Borrar), zp::kPunteroProhibido);
            Escribir(v, QStringLiteral("dos"));
            EXPECT_NE(zp::PunteroDe(v.Pic_Borrar), zp::kPunteroProhibido);
            Pulsar(v.Pic_Borrar);
            EXPECT_EQ(Lista(v).size(), acepta ? 1 : 2);
            EXPECT_EQ(v.Tex_CarGua->text(), acepta ? QString() : QStringLiteral("dos"));
            EXPECT_EQ(zp::PunteroDe(v.Pic_Borrar) == zp::kPunteroProhibido, acepta);
        });
        EXPECT_TRUE(abierta); // sigue abierta para borrar más
        EXPECT_EQ(Titulos(), std::vector<QString>{QStringLiteral("Borrar un juego archivado")});
    }
    EXPECT_EQ(Ficheros(), (QStringList{QStringLiteral("Uno.man"), QStringLiteral("tres.txt")}));
}

TEST_F(Cargua, los_nombres_que_saldrian_de_la_carpeta_se_rechazan_con_un_mensaje)
{
    QDir(carpeta.path()).mkdir(QStringLiteral("sub"));
    const QString nombres[] = {
        QStringLiteral("../fuera"),   QStringLiteral("sub/dentro"), QStringLiteral("/tmp/absoluto"),
        QStringLiteral("a\\b"),       QStringLiteral(".."),         QStringLiteral("con\tcontrol"),
        QStringLiteral("dos:puntos"), QStringLiteral("¿qué?"),      QStringLiteral("a..b"),
    };
    const QStringList antes = QDir(carpeta.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& nombre : nombres) {
        SCOPED_TRACE(nombre.toStdString());
        for (const ModoCargua modo : {kCarguaGuardar, kCarguaCargar}) {
            Abrir(modo, [&](cargua& v) {
                v.Tex_CarGua->setText(nombre);
                QTest::keyClick(v.Tex_CarGua, Qt::Key_Return);
            });
            EXPECT_TRUE(abierta);
            EXPECT_EQ(Titulos().size(), 1u);
        }
    }
    EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), antes);
    EXPECT_TRUE(QDir(carpeta.filePath(QStringLiteral("sub"))).isEmpty());
    EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/absoluto.man")));
}

// A name beginning with a dot makes a hidden file here: the window still lists it, loads it (whatever the
// case typed) and deletes it, so that no game is stored that it cannot show again.
TEST_F(Cargua, un_juego_cuyo_nombre_empieza_por_punto_se_lista_se_carga_y_se_borra)
{
    a.PausaEntreJugadas = true;
    Jugar(30);
    const zp::CadenasEstado guardado = Cadenas();
    EXPECT_FALSE(Abrir(kCarguaGuardar, [](cargua& v) {
        Escribir(v, QStringLiteral(".oculto"));
        QTest::keyClick(v.Tex_CarGua, Qt::Key_Return);
    }));
    EXPECT_FALSE(abierta);
    EXPECT_TRUE(QFile::exists(carpeta.filePath(QStringLiteral(".oculto.man"))));

    Jugar(10);
    ASSERT_NE(Cadenas(), guardado);
    EXPECT_TRUE(Abrir(kCarguaCargar, [](cargua& v) {
        EXPECT_EQ(Lista(v), QStringList{QStringLiteral(".oculto")});
        Escribir(v, QStringLiteral(".OCULTO"));
        QTest::keyClick(v.Tex_CarGua, Qt::Key_Return);
    }));
    EXPECT_EQ(Cadenas(), guardado);

    respuestas[QStringLiteral("Borrar un juego archivado")] = true;
    Abrir(kCarguaBorrar, [](cargua& v) {
        ASSERT_EQ(Lista(v), QStringList{QStringLiteral(".oculto")});
        QTest::mouseClick(v.Lis_CarGua->viewport(), Qt::LeftButton, {},
                          v.Lis_CarGua->visualItemRect(v.Lis_CarGua->item(0)).center());
        Pulsar(v.Pic_Borrar);
        EXPECT_TRUE(Lista(v).isEmpty());
    });
    EXPECT_FALSE(QFile::exists(carpeta.filePath(QStringLiteral(".oculto.man"))));
    EXPECT_EQ(Titulos(), std::vector<QString>{QStringLiteral("Borrar un juego archivado")});
}

TEST_F(Cargua, un_fichero_danado_o_un_guardado_fallido_no_cambian_el_juego)
{
    a.PausaEntreJugadas = true;
    Jugar(30);
    const zp::CadenasEstado antes = Cadenas();
    QFile roto(carpeta.filePath(QStringLiteral("Roto.man")));
    ASSERT_TRUE(roto.open(QIODevice::WriteOnly));
    roto.write("\"no es un estado\"\r\n\"\"\r\n\"\"\r\n");
    roto.close();
    // Una carpeta con el nombre del juego: el fichero no se puede escribir.
    ASSERT_TRUE(QDir(carpeta.path()).mkdir(QStringLiteral("Tapado.man")));

    EXPECT_FALSE(Abrir(kCarguaCargar, [](cargua& v) {
        Escribir(v, QStringLiteral("roto"));
        QTest::keyClick(v.Tex_CarGua, Qt::Key_Return);
    }));
    EXPECT_TRUE(abierta);
    EXPECT_EQ(Titulos(), std::vector<QString>{QStringLiteral("Error en la carga de datos")});
    EXPECT_EQ(Cadenas(), antes);

    Abrir(kCarguaGuardar, [](cargua& v) {
        Escribir(v, QStringLiteral("Tapado"));
        Pulsar(v.Pic_Guardar);
    });
    EXPECT_TRUE(abierta);
    EXPECT_EQ(Titulos(), std::vector<QString>{QStringLiteral("Archivar el juego actual")});
    EXPECT_EQ(Cadenas(), antes);
}

TEST_F(Cargua, la_ventana_se_ve_como_su_imagen)
{
    for (const char* nombre : {"Domingo.man", "ana.man"})
        ASSERT_FALSE(zp::GrabarEstado(Carpeta(), nombre, e, a).has_value());
    zp::Contexto ctx = Ctx();
    cargua ventana(ctx, Carpeta(), kCarguaGuardar);
    ventana.show();
    Escribir(ventana, QStringLiteral("Domingo"));
    QTest::keyClick(ventana.Tex_CarGua, Qt::Key_Return);
    EXPECT_EQ(ventana.GeometriaLogica(), QRect(200, 157, 400, 285));
    EXPECT_TRUE(zp::prueba::CoincideConImagen(ventana.grab().toImage(), "cargua"));
}

} // namespace
