// The instrument link at scale, offscreen; figures are medians.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_instrumento [linear]
//
// 1. "Baixar Tudo" in the main window, and `kt9400-cli download` as a whole
//    process, of 100 and of 1,000 small measurements: the cost per
//    measurement at both sizes.
// 2. "Conectar" with 2,000 measurements on the instrument and a copy of
//    each in the store, warm cache.
// 3. How long the window's thread is kept from painting during a "Baixar
//    Tudo" of 300 measurements (the downloads run on a worker thread).

#include "platform/trabalhoaolado.h"
#include "medicao.h"

#include "platform/perguntador.h"
#include "platform/servicos.h"
#include "app/mainwindow.h"
#include "data/pastaslocais.h"
#include "device/copia.h"
#include "device/volumes.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// Answers "Sim" to everything and shows nothing.
class PerguntadorSim : public Perguntador
{
public:
    bool escolherItem(QWidget *, const QString &, const QString &, const QStringList &, QString *) override
    {
        return false;
    }
    bool perguntar(QWidget *, const QString &, const QString &, const QString &, const QString &, Padrao) override
    {
        return true;
    }
    void informar(QWidget *, const QString &, const QString &) override {}
    QString escolherPasta(QWidget *, const QString &, const QString &) override { return QString(); }
    bool pedirTexto(QWidget *, const QString &, const QString &, QString *) override { return false; }
    QString escolherArquivoParaAbrir(QWidget *, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    QString escolherArquivoParaSalvar(QWidget *, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
};

void simular(const QString &volume, int medidas)
{
    QProcess::execute(KT_CLI, {"simulate", volume, "--measurements", QString::number(medidas), "--components", "1",
                               "--samples", "5"});
}

void fecharCaixas()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox *>(w))
            delete w;
    }
}


// One "Baixar Tudo" of `medidas` fresh measurements, in milliseconds;
// with `lacuna`, the longest wait of a 20 ms timer on the window's thread
// meanwhile.
double baixarTudo(int medidas, int *sincronizadas, double *lacuna = nullptr)
{
    QTemporaryDir d;
    simular(d.filePath("KT9400"), medidas);
    qputenv("KT9400_VOLUME", d.filePath("KT9400").toLocal8Bit());
    QDir().mkpath(d.filePath("app"));
    PastasLocais::de(d.filePath("app")).criar(); // as the program's start does
    PerguntadorSim perguntador;
    const FonteVolumesSistema volumes;
    MainWindow w(LocaisPrograma::para(d.filePath("app")), Servicos{&perguntador, &volumes, nullptr, nullptr});
    w.findChild<QPushButton *>("pushButton_3")->click();
    TrabalhoAoLado::aguardar();
    fecharCaixas();
    const Medicao::VigiaPintura vigia;
    QElapsedTimer t;
    t.start();
    w.findChild<QPushButton *>("pushButton_BaixarTudo")->click();
    TrabalhoAoLado::aguardar();
    const double ms = t.nsecsElapsed() / 1e6;
    if (lacuna)
        *lacuna = vigia.lacuna();
    fecharCaixas();
    const QAbstractItemModel *m = w.findChild<QTableView *>("tableView")->model();
    *sincronizadas = 0;
    for (int r = 0; r < m->rowCount(); ++r)
        *sincronizadas += m->index(r, 2).data().toString() == QLatin1String("Sincronizado");
    return ms;
}

double downloadCli(int medidas)
{
    QTemporaryDir d;
    simular(d.filePath("KT9400"), medidas);
    QDir().mkpath(d.filePath("store"));
    return Medicao::executar(KT_CLI, {"download", d.filePath("KT9400"), d.filePath("store")}).ms;
}

// The baseline: `cp -a` of the same measurements, then `sync` (the
// download makes each measurement durable before it is published).
double copiaDoSistema(int medidas)
{
    QTemporaryDir d;
    simular(d.filePath("KT9400"), medidas);
    QElapsedTimer t;
    t.start();
    Medicao::executar("cp", {"-a", d.filePath("KT9400/DATA"), d.filePath("store")});
    Medicao::executar("sync", {"-f", d.filePath("store")});
    return t.nsecsElapsed() / 1e6;
}

void linear()
{
    for (const int medidas : {100, 1000}) {
        QVector<double> tempos;
        for (int vez = 0; vez < 3; ++vez)
            tempos << copiaDoSistema(medidas);
        std::printf("cp -a and sync -f, %d measurements: %.0f ms (median of 3), %.2f ms each\n", medidas,
                    Medicao::mediana(tempos), Medicao::mediana(tempos) / medidas);
    }
    for (const bool janela : {true, false}) {
        double porMedida[2];
        int i = 0;
        for (const int medidas : {100, 1000}) {
            QVector<double> tempos;
            int sincronizadas = 0;
            for (int vez = 0; vez < 3; ++vez)
                tempos << (janela ? baixarTudo(medidas, &sincronizadas) : downloadCli(medidas));
            const double ms = Medicao::mediana(tempos);
            porMedida[i++] = ms / medidas;
            if (janela)
                std::printf("Baixar Tudo, %d measurements: %.0f ms (median of 3), %.2f ms each; %d rows "
                            "\"Sincronizado\"\n",
                            medidas, ms, ms / medidas, sincronizadas);
            else
                std::printf("kt9400-cli download, %d measurements: %.0f ms (median of 3), %.2f ms each\n", medidas,
                            ms, ms / medidas);
        }
        std::printf("  cost per measurement at 1,000 / at 100: %.2f\n", porMedida[1] / porMedida[0]);
    }
}

void conectar()
{
    QTemporaryDir d;
    simular(d.filePath("KT9400"), 2000);
    QDir().mkpath(d.filePath("app"));
    PastasLocais::de(d.filePath("app")).criar();
    Copia::copyDirectoryFiles(d.filePath("KT9400/DATA"), d.filePath("app/Z2registros"), false);
    qputenv("KT9400_VOLUME", d.filePath("KT9400").toLocal8Bit());
    PerguntadorSim perguntador;
    const FonteVolumesSistema volumes;
    // A new window each time: a connected one does not list again.
    int linhas = 0;
    double lacuna = 0;
    const auto uma = [&] {
        MainWindow w(LocaisPrograma::para(d.filePath("app")), Servicos{&perguntador, &volumes, nullptr, nullptr});
        const Medicao::VigiaPintura vigia;
        QElapsedTimer t;
        t.start();
        w.findChild<QPushButton *>("pushButton_3")->click();
        TrabalhoAoLado::aguardar();
        const double ms = t.nsecsElapsed() / 1e6;
        lacuna = std::max(lacuna, vigia.lacuna());
        linhas = w.findChild<QTableView *>("tableView")->model()->rowCount();
        fecharCaixas();
        return ms;
    };
    uma(); // the cache warmed
    QVector<double> tempos;
    for (int i = 0; i < 5; ++i)
        tempos << uma();
    std::printf("Conectar, 2,000 measurements on the instrument and in the store: %.0f ms (median of 5, warm); "
                "%d rows; a 20 ms timer on the window's thread waited at most %.0f ms\n",
                Medicao::mediana(tempos), linhas, lacuna);
}

// The window keeps painting during a "Baixar Tudo" of 300 measurements.
void pintura()
{
    int sincronizadas = 0;
    double lacuna = 0;
    const double ms = baixarTudo(300, &sincronizadas, &lacuna);
    std::printf("Baixar Tudo, 300 measurements in %.0f ms: a 20 ms timer on the window's thread waited at most "
                "%.0f ms\n",
                ms, lacuna);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    // With "linear", only the download's cost per measurement.
    if (!app.arguments().contains(QStringLiteral("linear"))) {
        pintura();
        conectar();
    }
    linear();
    return 0;
}
