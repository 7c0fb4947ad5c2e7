#pragma once

#include <QList>

#include <limits>

// A problem for an optimisation solver, stated without naming one: columns (the unknowns) with
// their bounds, whether they are whole numbers, and their cost; rows (the constraints) bounding
// a sum of columns each times a coefficient. The solver minimises the total cost.
struct MixedIntegerProgram {
    static constexpr double Infinity = std::numeric_limits<double>::infinity();

    struct Column {
        double lower = 0;
        double upper = 1;
        double cost = 0;
        bool integer = true;
    };
    struct Term {
        int column;
        double coefficient;
    };
    struct Row {
        QList<Term> terms;
        double lower = -Infinity;
        double upper = Infinity;
    };

    QList<Column> columns;
    QList<Row> rows;
    // An answer known to hold, one value per column, for the search to start from; or none.
    QList<double> start;

    // A new 0/1 column of that cost; its index.
    int addBinary(double cost)
    {
        columns.append({0, 1, cost, true});
        return static_cast<int>(columns.size() - 1);
    }
    // A new real column from 0 up, of that cost; its index.
    int addNonNegative(double cost)
    {
        columns.append({0, Infinity, cost, false});
        return static_cast<int>(columns.size() - 1);
    }
    void addRow(QList<Term> terms, double lower, double upper)
    {
        rows.append({std::move(terms), lower, upper});
    }
};
