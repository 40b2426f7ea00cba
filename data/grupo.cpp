#include "data/grupo.h"

#include "data/arquivochaves.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString chaveJornada = QStringLiteral("jornada");
const QString chaveMedida = QStringLiteral("medida");
const QString chaveDescricao = QStringLiteral("descricao");

} // namespace

QString Grupo::pasta(const QString &raizArmazem)
{
    return QDir(raizArmazem).filePath(QStringLiteral("Grupos"));
}

bool Grupo::ehArquivoDeGrupo(const QString &caminho)
{
    const QFileInfo f(caminho);
    return f.isFile() && !f.isSymLink() && f.suffix() == QLatin1String("id")
        && f.absoluteDir().dirName() == QLatin1String("Grupos");
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

QStringList Grupo::gruposCom(const QString &raizArmazem, const QString &jornada)
{
    QStringList grupos;
    for (const QString &nome : QDir(pasta(raizArmazem)).entryList({QStringLiteral("*.id")}, QDir::Files, QDir::Name)) {
        Grupo g;
        if (!ler(QDir(pasta(raizArmazem)).filePath(nome), &g))
            continue;
        if (std::any_of(g.membros.cbegin(), g.membros.cend(),
                        [&](const Membro &m) { return m.jornada && m.nome == jornada; }))
            grupos << g.nome;
    }
    return grupos;
}

Desfecho Grupo::renomearJornada(const QString &raizArmazem, const QString &antigo, const QString &novo)
{
    for (const QString &nome : gruposCom(raizArmazem, antigo)) {
        const QString caminho = arquivo(raizArmazem, nome);
        Grupo g;
        QString erro;
        if (!ler(caminho, &g, &erro))
            return Desfecho::falhou(erro);
        for (Membro &m : g.membros) {
            if (m.jornada && m.nome == antigo)
                m.nome = novo;
        }
        const Desfecho d = g.gravar(caminho);
        if (!d)
            return d;
    }
    return Desfecho();
}
