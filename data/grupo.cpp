#include "data/grupo.h"

#include "data/arquivochaves.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString chaveJornada = QStringLiteral("jornada");
const QString chaveMedida = QStringLiteral("medida");
const QString chaveDescricao = QStringLiteral("descricao");

} // namespace

QString Grupo::pasta(const QString &raizArmazem)
{
    return QDir(raizArmazem).filePath(QStringLiteral("Grupos"));
}

QString Grupo::arquivo(const QString &raizArmazem, const QString &nome)
{
    return QDir(pasta(raizArmazem)).filePath(nome + QStringLiteral(".id"));
}

bool Grupo::ler(const QString &arquivo, Grupo *g, QString *erro)
{
    *g = Grupo();
    g->nome = QFileInfo(arquivo).completeBaseName();
    ArquivoChaves a;
    if (!a.ler(arquivo, erro))
        return false;
    g->descricao = a.valor(chaveDescricao);
    for (const ArquivoChaves::Linha &l : qAsConst(a.linhas)) {
        if (l.chave == chaveJornada || l.chave == chaveMedida)
            g->membros.append({l.chave == chaveJornada, l.valores.value(0).trimmed()});
    }
    return true;
}

Desfecho Grupo::gravar(const QString &arquivo) const
{
    ArquivoChaves a;
    a.definir(chaveDescricao, descricao);
    for (const Membro &m : membros)
        a.acrescentar(m.jornada ? chaveJornada : chaveMedida, {m.nome});
    return a.gravar(arquivo);
}
