#pragma once

#include <QStringList>

class QTextStream;

// The commands of kt9400-cli. Each takes the arguments after its name and
// returns the exit status: 0 done, 1 failed, 2 bad usage.
namespace Comandos {

QString ajuda();
int simular(const QStringList &argumentos, QTextStream &saida, QTextStream &erros);
int avaliar(const QStringList &argumentos, QTextStream &saida, QTextStream &erros);
int listar(const QStringList &argumentos, QTextStream &saida, QTextStream &erros);
int armazem(const QStringList &argumentos, QTextStream &saida, QTextStream &erros);
int csv(const QStringList &argumentos, QTextStream &saida, QTextStream &erros);
int relatorio(const QStringList &argumentos, QTextStream &saida, QTextStream &erros);
int laudo(const QStringList &argumentos, QTextStream &saida, QTextStream &erros);
int jornada(const QStringList &argumentos, QTextStream &saida, QTextStream &erros);
int grupo(const QStringList &argumentos, QTextStream &saida, QTextStream &erros);
int esocial(const QStringList &argumentos, QTextStream &saida, QTextStream &erros);
int baixar(const QStringList &argumentos, QTextStream &saida, QTextStream &erros);
int importar(const QStringList &argumentos, QTextStream &saida, QTextStream &erros);
int exportar(const QStringList &argumentos, QTextStream &saida, QTextStream &erros);

} // namespace Comandos
