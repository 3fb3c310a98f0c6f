#pragma once
// Page 40: the fourteen control scenarios in one grid, with the signal shape of the
// selected scenario drawn into the grid's header row.

#include "ui/pages/section_panel.h"

#include <QHeaderView>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTableWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace zel {

struct InterfaceTexts;

constexpr int kScenarioWords = 17;
using ScenarioWords = std::array<std::uint16_t, kScenarioWords>;

// Grid cells 1..19 of one scenario row (index 0 = column 1: cycle mark, repeat count,
// start level, sixteen durations) from its words.
std::array<QString, 19> scenarioCells(const ScenarioWords& words, const InterfaceTexts& texts);
// Words from the grid cells; words after the terminator keep their values in `words`.
void scenarioWords(const std::array<QString, 19>& cells, const InterfaceTexts& texts, ScenarioWords& words);

// What the signal shape drawing needs of the grid, in grid terms: column c's width
// without its grid line, the first visible non-fixed column, the duration cells of
// the current row read as numbers, its start level and cycle mark, row 0's height.
struct SignalShapeInput {
    std::vector<int> widths;
    std::vector<int> durations;
    int leftCol = 1;
    bool startHigh = false;
    bool cyclic = false;
    int h0 = 28;
};
// Draws in grid client coordinates (column 0 starts at x = 0).
void paintSignalShape(QPainter& painter, const SignalShapeInput& in);

// Horizontal header of the scenario grid: it is the grid's row 0, so the signal
// shape is drawn over it after the sections.
class SignalShapeHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit SignalShapeHeader(QWidget* parent = nullptr);
    void setOverlay(std::function<void(QPainter&)> overlay) { overlay_ = std::move(overlay); }
    void setFixedRowHeight(int h) { h0_ = h; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void(QPainter&)> overlay_;
    int h0_ = 28;
};

class ScenarioPanel : public SectionPanel {
    Q_OBJECT
public:
    static constexpr int kColumns = 20;
    static constexpr int kRows = 15;
    static constexpr int kScenarios = 14;
    static constexpr int kPage = 40;

    explicit ScenarioPanel(QWidget* parent = nullptr);
    void prepare(int page) override;
    void unpack(const DeviceImage& image, int page) override;
    void pack(DeviceImage& image, int page) override;

    // Grid cell (column, row) as the scenario rules address it: column 0 holds the row
    // titles, row 0 is the header row with the drawing.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    // Whether typing may edit the cell (the selection rule).
    bool cellEditable(int column, int row) const;
    int leftCol() const;
    int currentGridRow() const;
    int currentGridColumn() const;
    void setCurrentGridCell(int column, int row);
    SignalShapeInput shapeInput() const;

    // Event rules, also used by the grid's signals.
    void StringGrid2DblClick(int column, int row);
    void StringGrid2SetEditText(int column, int row);
    void StringGrid2TopLeftChanged();
    void DrawSignalShape();

    QTableWidget* StringGrid2 = nullptr;
    SignalShapeHeader* shapeHeader = nullptr;
    QPlainTextEdit* Memo2 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString text(QString InterfaceTexts::*member) const;
    QString cycleText() const;
    QString highText() const;
    QString lowText() const;

    QString cornerTitle_;
    bool updating_ = false;
};

} // namespace zel
