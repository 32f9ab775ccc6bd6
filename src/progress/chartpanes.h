#pragma once

// The progress window's charts, made by a plugin (src/charts) that the
// window loads the first time it opens: the charting library and the
// OpenGL libraries it pulls in then cost nothing at start-up. The plugin
// links none of our code, so everything here is header-only and the charts
// take plain data the window has already worked out.

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <QVector>
#include <QtPlugin>

class QWidget;

namespace velmora::progress {

struct ChartColours
{
    QColor background;
    QColor text;
    QColor grid;
    bool dark = false;
};

struct ScoreLine
{
    QString name;          // the legend lays it out as HTML: escaped by the caller
    QList<QPointF> points; // (ms since the epoch, percent)
    bool marked = false;
};

struct ScoreTick
{
    QString label;
    double ms = 0;
};

// No lines clears the chart, axes and all.
struct ScoreChartData
{
    double firstMs = 0;
    double lastMs = 0;
    QVector<ScoreTick> ticks;
    QVector<ScoreLine> lines;
};

class ChartPane
{
public:
    virtual ~ChartPane() = default;
    // The pane itself, owned by the parent it was made with.
    virtual QWidget *widget() = 0;
    virtual void setColours(const ChartColours &colours) = 0;
};

class ScoreChart : public ChartPane
{
public:
    virtual void showScores(const ScoreChartData &data) = 0;
};

class ForecastChart : public ChartPane
{
public:
    // Facets due on each day from today.
    virtual void showForecast(const QVector<int> &perDay) = 0;
};

class ChartFactory
{
public:
    virtual ~ChartFactory() = default;
    virtual ScoreChart *scoreChart(QWidget *parent) = 0;
    virtual ForecastChart *forecastChart(QWidget *parent) = 0;
};

} // namespace velmora::progress

#define VELMORA_CHART_FACTORY_IID "example.velmora.ChartFactory/1"
Q_DECLARE_INTERFACE(velmora::progress::ChartFactory, VELMORA_CHART_FACTORY_IID)
