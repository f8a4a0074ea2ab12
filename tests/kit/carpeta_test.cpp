#include "kit/carpeta.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Carpeta, la_carpeta_de_datos_del_usuario_acaba_en_barra_y_existe)
{
    QTemporaryDir casa;
    ASSERT_TRUE(casa.isValid());
    const QByteArray antes = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", casa.path().toUtf8());
    const std::string carpeta = zp::ObtenerDirectorioWindows();
    EXPECT_EQ(carpeta, (casa.path() + "/Zarpelon/").toStdString());
    EXPECT_TRUE(QDir(QString::fromStdString(carpeta)).exists());
    // Asked again, the same folder, with one separator only.
    EXPECT_EQ(zp::ObtenerDirectorioWindows(), carpeta);

    // A data home that cannot be made gives the bare separator.
    qputenv("XDG_DATA_HOME", "/proc/no-se-puede");
    EXPECT_EQ(zp::ObtenerDirectorioWindows(), "/");
    qputenv("XDG_DATA_HOME", antes);
}

} // namespace
