// The View menu's actions on the graph widget.
#include "ViewMenu.h"

#include <QColorDialog>
#include <vantrel/Enums.h>

namespace vantrel::view {

namespace {

QAction* Checkable(QMenu& menu, const QString& text, QActionGroup* group = nullptr)
{
    QAction* action = menu.addAction(text);
    action->setCheckable(true);
    if (group != nullptr)
        group->addAction(action);
    return action;
}

uint ToOleColor(const QColor& color)
{
    return static_cast<uint>(color.red()) | static_cast<uint>(color.green()) << 8
        | static_cast<uint>(color.blue()) << 16;
}

} // namespace

ViewMenu::ViewMenu(qt::GraphWidget& graph, ViewSettings& settings, QMenu& menu)
    : QObject(&menu)
    , graph_(graph)
    , settings_(settings)
    , choices_(settings.choices())
{
    auto* modes = new QActionGroup(this);
    zoomBox = Checkable(menu, tr("&Box Zoom"), modes);
    zoomHorizontal = Checkable(menu, tr("&Horizontal Zoom"), modes);
    zoomVertical = Checkable(menu, tr("&Vertical Zoom"), modes);
    zoomBox->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    zoomHorizontal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    zoomVertical->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    const QVector<QAction*> modeActions { zoomBox, zoomHorizontal, zoomVertical };
    modeActions.value(choices_.zoomMode, zoomBox)->setChecked(true);
    for (int m = 0; m < modeActions.size(); ++m)
        connect(modeActions[m], &QAction::triggered, this, [this, m] {
            choices_.zoomMode = m;
            save();
        });
    connect(&graph_, &qt::GraphWidget::insideMouseReleased, this,
        [this](int button, int, double, double) { insideReleased(button); });

    menu.addSeparator();
    back = menu.addAction(tr("Zoom &Back"), &graph_, &qt::GraphWidget::zoomBack);
    back->setShortcut(QKeySequence::Back);
    forward = menu.addAction(tr("Zoom &Forward"), &graph_, &qt::GraphWidget::zoomForward);
    forward->setShortcut(QKeySequence::Forward);
    home = menu.addAction(tr("Zoom &Home"), &graph_, &qt::GraphWidget::zoomHome);
    home->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    wheelZoom = Checkable(menu, tr("&Wheel Zoom"));
    panning = Checkable(menu, tr("&Panning"));
    wheelZoom->setChecked(choices_.wheelZoom);
    panning->setChecked(choices_.panning);
    graph_.setWheelZoom(choices_.wheelZoom);
    graph_.setPanning(choices_.panning);
    graph_.setZoomHistoryKeys(true);
    // The status bar names the snapped point, by a search that stays fast on long series.
    graph_.setSnapReadout(false);
    connect(wheelZoom, &QAction::toggled, this, [this](bool on) {
        graph_.setWheelZoom(choices_.wheelZoom = on);
        save();
    });
    connect(panning, &QAction::toggled, this, [this](bool on) {
        graph_.setPanning(choices_.panning = on);
        save();
    });

    menu.addSeparator();
    logX = Checkable(menu, tr("Logarithmic &X"));
    logY = Checkable(menu, tr("Logarithmic &Y"));
    connect(logX, &QAction::triggered, this, [this](bool on) { setLogarithmic(true, on); });
    connect(logY, &QAction::triggered, this, [this](bool on) { setLogarithmic(false, on); });

    QMenu* grid = menu.addMenu(tr("&Grid"));
    auto* grids = new QActionGroup(this);
    gridLines = Checkable(*grid, tr("&Lines"), grids);
    gridNotches = Checkable(*grid, tr("&Notches"), grids);
    gridNone = Checkable(*grid, tr("N&one"), grids);
    connect(gridLines, &QAction::triggered, this, [this] { setGridStyle(ggsLines); });
    connect(gridNotches, &QAction::triggered, this, [this] { setGridStyle(ggsNotches); });
    connect(gridNone, &QAction::triggered, this, [this] { setGridStyle(ggsNone); });

    QMenu* values = menu.addMenu(tr("&Value Format"));
    auto* formats = new QActionGroup(this);
    formatNormal = Checkable(*values, tr("&Normal"), formats);
    formatPrefix = Checkable(*values, tr("&Prefix (k, M, m, µ)"), formats);
    formatScientific = Checkable(*values, tr("&Scientific"), formats);
    connect(formatNormal, &QAction::triggered, this, [this] { setValueFormat(gavNormal); });
    connect(formatPrefix, &QAction::triggered, this, [this] { setValueFormat(gavPrefix); });
    connect(formatScientific, &QAction::triggered, this, [this] { setValueFormat(gavScientific); });
    QMenu* precision = menu.addMenu(tr("P&recision"));
    auto* digits = new QActionGroup(this);
    for (int d = 1; d <= 8; ++d) {
        QAction* action = Checkable(*precision, tr("%n digit(s)", nullptr, d), digits);
        connect(action, &QAction::triggered, this, [this, d] { setPrecision(d); });
        precisions.append(action);
    }

    menu.addSeparator();
    frameColor = menu.addAction(tr("F&rame Colour…"), this, [this] {
        const QColor color = QColorDialog::getColor(Qt::white, &graph_, tr("Frame Colour"));
        if (color.isValid())
            setFrameColor(color);
    });
    plotColor = menu.addAction(tr("P&lot Colour…"), this, [this] {
        const QColor color = QColorDialog::getColor(Qt::white, &graph_, tr("Plot Colour"));
        if (color.isValid())
            setPlotColor(color);
    });
    applyChoices();
}

void ViewMenu::insideReleased(int button)
{
    if (button != 1)
        return;
    OrvGraph& g = graph_.graph();
    if (zoomHorizontal->isChecked())
        g.ZoomHorizontal();
    else if (zoomVertical->isChecked())
        g.ZoomVertical();
    else
        g.ZoomBox();
}

void ViewMenu::applyChoices()
{
    OrvGraph& g = graph_.graph();
    bool changed = false;
    const auto Put = [&changed](auto now, auto want, auto set) {
        if (now != want) {
            set(want);
            changed = true;
        }
    };
    if (choices_.gridStyle) {
        const auto style = static_cast<GraphGridStyleConstants>(*choices_.gridStyle);
        Put(g.XGridStyle(), style, [&](auto v) { g.XGridStyle(v); });
        Put(g.YGridStyle(), style, [&](auto v) { g.YGridStyle(v); });
    }
    if (choices_.valueFormat) {
        const auto format = static_cast<GraphAxisValueFormatConstants>(*choices_.valueFormat);
        Put(g.XAxisValueFormat(), format, [&](auto v) { g.XAxisValueFormat(v); });
        Put(g.YAxisValueFormat(), format, [&](auto v) { g.YAxisValueFormat(v); });
    }
    if (choices_.precision) {
        Put(g.XAxisValuePrecision(), *choices_.precision,
            [&](auto v) { g.XAxisValuePrecision(v); });
        Put(g.YAxisValuePrecision(), *choices_.precision,
            [&](auto v) { g.YAxisValuePrecision(v); });
    }
    if (changed)
        g.Redraw();
    // The colour setters redraw by themselves.
    if (choices_.frameColor && g.FrameBackColor() != *choices_.frameColor)
        g.FrameBackColor(*choices_.frameColor);
    if (choices_.plotColor && g.InsideBackColor() != *choices_.plotColor)
        g.InsideBackColor(*choices_.plotColor);
    syncChecks();
}

void ViewMenu::syncChecks()
{
    const OrvGraph& g = graph_.graph();
    logX->setChecked(g.XAxisType() == gatLog);
    logY->setChecked(g.YAxisType() == gatLog);
    gridLines->setChecked(g.XGridStyle() == ggsLines);
    gridNotches->setChecked(g.XGridStyle() == ggsNotches);
    gridNone->setChecked(g.XGridStyle() == ggsNone);
    formatNormal->setChecked(g.XAxisValueFormat() == gavNormal);
    formatPrefix->setChecked(g.XAxisValueFormat() == gavPrefix);
    formatScientific->setChecked(g.XAxisValueFormat() == gavScientific);
    const int digits = g.XAxisValuePrecision();
    for (int d = 1; d <= precisions.size(); ++d)
        precisions[d - 1]->setChecked(d == digits);
}

void ViewMenu::setGridStyle(int style)
{
    choices_.gridStyle = style;
    save();
    applyChoices();
}

void ViewMenu::setValueFormat(int format)
{
    choices_.valueFormat = format;
    save();
    applyChoices();
}

void ViewMenu::setPrecision(int digits)
{
    choices_.precision = digits;
    save();
    applyChoices();
}

void ViewMenu::setLogarithmic(bool xAxis, bool on)
{
    // The file decides its axes: not remembered.
    OrvGraph& g = graph_.graph();
    const GraphAxisTypeConstants type = on ? gatLog : gatLinear;
    if (xAxis)
        g.XAxisType(type);
    else
        g.YAxisType(type);
    g.Redraw();
}

void ViewMenu::setFrameColor(const QColor& color)
{
    choices_.frameColor = ToOleColor(color);
    save();
    applyChoices();
}

void ViewMenu::setPlotColor(const QColor& color)
{
    choices_.plotColor = ToOleColor(color);
    save();
    applyChoices();
}

void ViewMenu::save() { settings_.setChoices(choices_); }

} // namespace vantrel::view
