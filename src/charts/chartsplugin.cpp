// The charts plugin: the only code that links the charting library. It
// draws what the progress window hands it and keeps nothing of its own.

#include "progress/chartpanes.h"

#include <QAbstractAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLegend>
#include <QLineSeries>
#include <QObject>
#include <QValueAxis>

#include <algorithm>

namespace velmora::progress {

namespace {

class ChartPaneView : public QChartView
{
public:
    ChartPaneView(const QString &title, const char *name, const QString &accessible, QWidget *parent)
        : QChartView(new QChart, parent)
    {
        setObjectName(QLatin1String(name));
        chart()->setTitle(title);
        setRenderHint(QPainter::Antialiasing);
        setAccessibleName(accessible);
        viewport()->setAccessibleName(accessible);
    }

    void clear()
    {
        chart()->removeAllSeries();
        // A removed axis is no longer the chart's to delete.
        for (QAbstractAxis *axis : chart()->axes()) {
            chart()->removeAxis(axis);
            delete axis;
        }
    }

    // The chart paints itself, so the desktop's palette reaches it only here.
    void paint(const ChartColours &colours)
    {
        colours_ = colours;
        QChart *shown = chart();
        const QChart::ChartTheme theme = colours.dark ? QChart::ChartThemeDark : QChart::ChartThemeLight;
        if (shown->theme() != theme)
            shown->setTheme(theme);
        shown->setBackgroundBrush(colours.background);
        shown->setBackgroundPen(Qt::NoPen);
        shown->setTitleBrush(colours.text);
        shown->legend()->setLabelColor(colours.text);
        setBackgroundBrush(colours.background);
        for (QAbstractAxis *axis : shown->axes()) {
            axis->setLabelsColor(colours.text);
            axis->setTitleBrush(colours.text);
            axis->setLinePenColor(colours.text);
            axis->setGridLineColor(colours.grid);
        }
    }

    // New axes take the theme's colours until painted again.
    void recolour() { paint(colours_); }

private:
    ChartColours colours_;
};

class ScoreChartView : public ChartPaneView, public ScoreChart
{
public:
    explicit ScoreChartView(QWidget *parent)
        : ChartPaneView(QCoreApplication::translate("ProgressCharts", "Score per test"), "chartScores",
                        QCoreApplication::translate("ProgressCharts", "Score per test, in percent, over time"), parent)
    {
        chart()->legend()->setAlignment(Qt::AlignBottom);
        setMinimumHeight(300);
    }

    QWidget *widget() override { return this; }
    void setColours(const ChartColours &colours) override { paint(colours); }

    void showScores(const ScoreChartData &data) override
    {
        clear();
        if (data.lines.isEmpty())
            return;
        auto *axisX = new QCategoryAxis;
        axisX->setObjectName(QStringLiteral("axisDate"));
        axisX->setTitleText(QCoreApplication::translate("ProgressCharts", "Date"));
        axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        axisX->setRange(data.firstMs, data.lastMs);
        // Each label ends a category; the first one's start lies just before the axis.
        axisX->setStartValue(data.firstMs - 1);
        for (const ScoreTick &tick : data.ticks)
            axisX->append(tick.label, tick.ms);
        auto *axisY = new QValueAxis;
        axisY->setRange(0, 100);
        axisY->setLabelFormat(QStringLiteral("%d %%"));
        axisY->setTitleText(QCoreApplication::translate("ProgressCharts", "Score"));
        axisY->setTickCount(6);
        chart()->addAxis(axisX, Qt::AlignBottom);
        chart()->addAxis(axisY, Qt::AlignLeft);
        recolour();
        for (const ScoreLine &line : data.lines) {
            auto *series = new QLineSeries;
            series->setName(line.name);
            series->replace(line.points);
            series->setPointsVisible(line.marked);
            chart()->addSeries(series);
            series->attachAxis(axisX);
            series->attachAxis(axisY);
        }
    }
};

class ForecastChartView : public ChartPaneView, public ForecastChart
{
public:
    explicit ForecastChartView(QWidget *parent)
        : ChartPaneView(QCoreApplication::translate("ProgressCharts", "Due in the next 30 days"), "chartForecast",
                        QCoreApplication::translate("ProgressCharts", "Facets due per day over the next 30 days"),
                        parent)
    {
        chart()->legend()->hide();
    }

    QWidget *widget() override { return this; }
    void setColours(const ChartColours &colours) override { paint(colours); }

    void showForecast(const QVector<int> &perDay) override
    {
        clear();
        auto *bars = new QBarSet(QCoreApplication::translate("ProgressCharts", "Due"));
        int most = 0;
        for (int due : perDay) {
            bars->append(due);
            most = std::max(most, due);
        }
        auto *series = new QBarSeries;
        series->setBarWidth(0.8);
        series->append(bars);
        chart()->addSeries(series);
        // Values, not categories, along the days: thirty labels would not fit
        // side by side, a label every five days does.
        auto *axisX = new QValueAxis;
        axisX->setObjectName(QStringLiteral("axisForecastDay"));
        axisX->setTitleText(QCoreApplication::translate("ProgressCharts", "Days from today (today includes overdue)"));
        axisX->setRange(-0.5, perDay.size() - 0.5);
        axisX->setTickType(QValueAxis::TicksDynamic);
        axisX->setTickAnchor(0);
        axisX->setTickInterval(5);
        axisX->setLabelFormat(QStringLiteral("%d"));
        auto *axisY = new QValueAxis;
        axisY->setTitleText(QCoreApplication::translate("ProgressCharts", "Facets due"));
        axisY->setLabelFormat(QStringLiteral("%d"));
        axisY->setRange(0, std::max(4, most));
        axisY->applyNiceNumbers();
        chart()->addAxis(axisX, Qt::AlignBottom);
        chart()->addAxis(axisY, Qt::AlignLeft);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
        recolour();
    }
};

} // namespace

class ChartsPlugin : public QObject, public ChartFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VELMORA_CHART_FACTORY_IID)
    Q_INTERFACES(velmora::progress::ChartFactory)

public:
    ScoreChart *scoreChart(QWidget *parent) override { return new ScoreChartView(parent); }
    ForecastChart *forecastChart(QWidget *parent) override { return new ForecastChartView(parent); }
};

} // namespace velmora::progress

#include "chartsplugin.moc"
