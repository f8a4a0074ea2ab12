// Zarpelón: a game of dominoes round a table of two to four players.
#include "table/arranque_mesa.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    const auto programa = zp::ArrancarPrograma();
    if (programa->Salir) return 0;
    return aplicacion.exec();
}
