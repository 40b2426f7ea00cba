#include "viewer/abaavaliacao.h"

#include "evaluation/tabelasavaliacao.h"
#include "viewer/tabelaavaliacao.h"

#include "ui_medidas.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QStandardItemModel>

#include <algorithm>

AbaAvaliacao::AbaAvaliacao(Ui::Medidas *ui, QObject *parent)
    : QObject(parent)
    , ui(ui)
{
}

void AbaAvaliacao::mostrar(const AvaliacaoExposicao &a)
{
    const TabelasAvaliacao::Tabela nr = TabelasAvaliacao::nr(a);
    const TabelasAvaliacao::Tabela ue = TabelasAvaliacao::ue(a);
    const auto mostrarTabela = [this](QTableView *tabela, QLabel *rotulo, const TabelasAvaliacao::Tabela &t) {
        rotulo->setText(QStringLiteral("<b>%1</b><br>%2").arg(t.titulo.toHtmlEscaped(), t.fonte.toHtmlEscaped()));
        QAbstractItemModel *antigo = tabela->model();
        auto *modelo = new QStandardItemModel(tabela);
        TabelaAvaliacao::preencher(modelo, t);
        tabela->setModel(modelo);
        if (antigo)
            antigo->deleteLater();
        QHeaderView *h = tabela->horizontalHeader();
        h->setStyleSheet(QStringLiteral("color:white;background-color:  transparent;"));
        h->setSectionResizeMode(QHeaderView::Fixed);
        tabela->verticalHeader()->hide();
        tabela->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        tabela->setWordWrap(true);
        tabela->setTextElideMode(Qt::ElideNone);
        // The whole tab scrolls; each table is as tall as its rows.
        tabela->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        tabela->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
        tabela->setSelectionMode(QAbstractItemView::NoSelection);
        tabela->installEventFilter(this);
        ajustarAltura(tabela);
    };
    mostrarTabela(ui->tableView_AvaliacaoNr, ui->label_AvaliacaoNr, nr);
    mostrarTabela(ui->tableView_Avaliacao, ui->label_AvaliacaoUe, ue);
    QStringList notas = nr.notas() + ue.notas();
    if (!a.temMao && !a.temCorpo)
        notas << QCoreApplication::translate("Medidas", "Esta medida não tem resultados avaliados de corpo inteiro nem de mãos e braços.");
    ui->label_AvaliacaoNotas->setText(notas.join(QLatin1Char('\n')));
    ui->label_AvaliacaoNotas->setVisible(!notas.isEmpty());
    ui->label_AvaliacaoCriterios->setText(TabelasAvaliacao::diferencaDosCriterios());
}

void AbaAvaliacao::ajustarAltura(QTableView *tabela)
{
    // Figures and headers keep their width; names, statuses and sentences
    // wrap at their words where the width runs short, never shortened.
    const QAbstractItemModel *m = tabela->model();
    const QFontMetrics fm(tabela->font());
    const int margem = 2 * tabela->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tabela) + 8;
    QVector<int> preferidas;
    QVector<int> minimas;
    for (int c = 0; c < m->columnCount(); ++c) {
        const int cabecalho = tabela->horizontalHeader()->sectionSizeHint(c);
        int conteudo = 0;
        int palavra = 0;
        for (int r = 0; r < m->rowCount(); ++r) {
            const QString texto = m->index(r, c).data().toString();
            conteudo = std::max(conteudo, fm.horizontalAdvance(texto) + margem);
            for (const QString &p : texto.split(QLatin1Char(' ')))
                palavra = std::max(palavra, fm.horizontalAdvance(p) + margem);
        }
        preferidas << std::max(cabecalho, conteudo);
        minimas << (m->headerData(c, Qt::Horizontal, TabelaAvaliacao::papelQuebravel).toBool()
                        ? std::max(cabecalho, palavra)
                        : preferidas.last());
    }
    const QVector<int> l = TabelaAvaliacao::larguras(tabela->viewport()->width(), preferidas, minimas);
    for (int c = 0; c < l.size(); ++c)
        tabela->setColumnWidth(c, l.at(c));
    tabela->resizeRowsToContents();
    tabela->setFixedHeight(tabela->horizontalHeader()->sizeHint().height() + tabela->verticalHeader()->length()
                           + 2 * tabela->frameWidth());
}

bool AbaAvaliacao::eventFilter(QObject *objeto, QEvent *evento)
{
    // Wrapped rows grow or shrink with the table's width.
    if (evento->type() == QEvent::Resize
        && (objeto == ui->tableView_AvaliacaoNr || objeto == ui->tableView_Avaliacao)) {
        auto *tabela = static_cast<QTableView *>(objeto);
        if (static_cast<QResizeEvent *>(evento)->oldSize().width() != tabela->width())
            QMetaObject::invokeMethod(this, [this, tabela] { ajustarAltura(tabela); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(objeto, evento);
}
