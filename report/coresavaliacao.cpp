#include "report/coresavaliacao.h"

namespace CoresAvaliacao {

using Cor = TabelasAvaliacao::Cor;

QColor fundo(Cor c)
{
    switch (c) {
    case Cor::Verde:
        return QColor(0, 140, 60);
    case Cor::Ambar:
        return QColor(230, 150, 0);
    case Cor::Laranja:
        return QColor(200, 80, 0);
    case Cor::Vermelho:
        return QColor(190, 0, 0);
    case Cor::Cinza:
    case Cor::Nenhuma:
        break;
    }
    return QColor(110, 110, 110);
}

QColor texto(Cor c)
{
    return c == Cor::Ambar ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace CoresAvaliacao
