// The viewer at scale, offscreen; each figure the median of several runs.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_medidas
//
// 1. Selecting a component of 86,400 and of 864,000 samples (24 hours and
//    10 days at 1 s): reading its files, thinning, plotting both charts.
//    Each run is a child process of its own (this program with
//    --componente STORE), so that its peak memory is that of a whole
//    process doing only that.
// 2. "Sincronizar" on a store of 5,000 measurements.
// 3. The jornada's task picker on the same store: how soon it shows, how
//    soon its list is full, and the longest the window went unpainted.

#include "platform/trabalhoaolado.h"
#include "medicao.h"

#include "app/inicio.h"
#include "platform/servicos.h"
#include "data/layoutmedida.h"
#include "device/simuladorinstrumento.h"
#include "evaluation/calculoexposicao.h"
#include "viewer/medidas.h"
#include "viewer/seletorarmazem.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// A store under `raiz` made of a simulated instrument's measurements.
void armazem(const QString &raiz, const OpcoesSimulacao &o, bool avaliar)
{
    QTemporaryDir vol;
    QString erro;
    simularInstrumento(vol.path(), o, &erro);
    QDir().mkpath(raiz);
    for (const QString &m : LayoutMedida::medidas(vol.filePath("DATA"))) {
        const QString destino = raiz + LayoutMedida::nomePasta(m);
        QDir().rename(m, destino);
        if (avaliar)
            CalculoExposicao::avaliarMedida(destino);
    }
}

// A row chosen as the user chooses it; the viewer acts once events run.
void selecionar(QTableView *t, int linha)
{
    t->setCurrentIndex(t->model()->index(linha, 0));
    QCoreApplication::processEvents();
}

// The child: the time to select the first component of the store's first
// measurement, on the standard output.
int componente(const QString &raiz)
{
    Medidas m(raiz, Servicos{});
    m.resize(1600, 900);
    m.show();
    m.findChild<QPushButton *>("pushButton_Sincronizar")->click();
    TrabalhoAoLado::aguardar();
    selecionar(m.findChild<QTableView *>("tableView_ExpResultante"), 0);
    TrabalhoAoLado::aguardar();
    selecionar(m.findChild<QTableView *>("tableView_ExpParcial"), 0);
    QElapsedTimer t;
    t.start();
    selecionar(m.findChild<QTableView *>("tableView_ComponenteExp"), 0);
    TrabalhoAoLado::aguardar();
    std::printf("%.3f\n", t.nsecsElapsed() / 1e6);
    return 0;
}

void componentes(const char *programa)
{
    for (const int amostras : {86400, 864000}) {
        QTemporaryDir d;
        const QString raiz = d.filePath("Z2registros/");
        OpcoesSimulacao o;
        o.medidas = 1;
        o.componentes = 1;
        o.amostras = amostras;
        armazem(raiz, o, true);
        QVector<double> tempos;
        double pico = 0;
        for (int i = 0; i < 5; ++i) {
            const Medicao::Processo p = Medicao::executar(QString::fromLocal8Bit(programa), {"--componente", raiz}, true);
            tempos << QString::fromLatin1(p.saida).trimmed().toDouble();
            pico = std::max(pico, p.picoMb);
        }
        std::printf("select a component of %d samples: %.1f ms (median of 5), peak %.1f MB\n", amostras,
                    Medicao::mediana(tempos), pico);
    }
}

// The store both the synchronisation and the task picker are timed on.
QString armazemDe5000(const QTemporaryDir &d)
{
    const QString raiz = d.filePath("Z2registros/");
    OpcoesSimulacao o;
    o.medidas = 5000;
    o.componentes = 1;
    o.amostras = 5;
    armazem(raiz, o, false);
    return raiz;
}

void sincronizar()
{
    QTemporaryDir d;
    const QString raiz = armazemDe5000(d);
    Medidas m(raiz, Servicos{});
    m.resize(1600, 900);
    m.show();
    auto *botao = m.findChild<QPushButton *>("pushButton_Sincronizar");
    const double ms = Medicao::msMediana(5, [&] {
        botao->click();
        TrabalhoAoLado::aguardar();
    });
    std::printf("Sincronizar, store of 5,000 measurements: %.1f ms (median of 5; %d rows)\n", ms,
                m.findChild<QTableView *>("tableView_ExpResultante")->model()->rowCount());
    // A keystroke in the search field: the rows shown follow it at once.
    auto *busca = m.findChild<QLineEdit *>("lineEdit_BuscaMedidas");
    const QStringList digitados{"l", "li", "lix", "li", "l", ""};
    int k = 0;
    const double tecla = Medicao::msMediana(int(digitados.size()), [&] {
        busca->setText(digitados.at(k++));
        QCoreApplication::processEvents();
    });
    std::printf("search keystroke over 5,000 measurements: %.1f ms (median of %d)\n", tecla, int(digitados.size()));
}

void seletorTarefas()
{
    QTemporaryDir d;
    const QString raiz = armazemDe5000(d);
    QVector<double> aberto;
    QVector<double> cheio;
    double lacuna = 0;
    int linhas = 0;
    for (int i = 0; i < 5; ++i) {
        const Medicao::VigiaPintura vigia;
        QElapsedTimer t;
        t.start();
        SeletorArmazem s(raiz, SeletorArmazem::Conteudo::Tarefas);
        s.show();
        QCoreApplication::processEvents();
        aberto << t.nsecsElapsed() / 1e6;
        TrabalhoAoLado::aguardar();
        cheio << t.nsecsElapsed() / 1e6;
        lacuna = std::max(lacuna, vigia.lacuna());
        linhas = s.findChild<QTableView *>("tableView_Tarefas")->model()->rowCount();
    }
    std::printf("task picker, store of 5,000 measurements: shown in %.1f ms, %d tasks listed in %.0f ms (medians of 5); "
                "a 20 ms timer on the window's thread waited at most %.0f ms\n",
                Medicao::mediana(aberto), linhas, Medicao::mediana(cheio), lacuna);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Inicio::registrarRecursos();
    Inicio::instalarFonte();
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    if (argc == 3 && qstrcmp(argv[1], "--componente") == 0)
        return componente(QString::fromLocal8Bit(argv[2]));
    componentes(argv[0]);
    sincronizar();
    seletorTarefas();
    return 0;
}
