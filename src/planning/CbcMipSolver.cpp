// The COIN-OR branch-and-cut solver (CBC) behind the MipSolver interface: the only file that
// names it, so that another solver can take its place.

#include "planning/MipSolver.h"

#include <CbcEventHandler.hpp>
#include <CbcModel.hpp>
#include <CbcSolver.hpp>
#include <CoinPackedMatrix.hpp>
#include <OsiClpSolverInterface.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// Stops the search when asked, and tells how it goes, at most five times a second.
class SearchWatcher : public CbcEventHandler {
public:
    explicit SearchWatcher(const SolveControl& control)
        : control_(control)
    {
    }

    CbcEventHandler* clone() const override { return new SearchWatcher(*this); }

    CbcAction event(CbcEvent whichEvent) override
    {
        if (control_.stop && control_.stop->load())
            return stop;
        const auto now = std::chrono::steady_clock::now();
        const bool found = whichEvent == solution || whichEvent == heuristicSolution;
        if (control_.progress && model_ &&
            (found || now - lastTold_ > std::chrono::milliseconds(200))) {
            lastTold_ = now;
            const double best =
                model_->bestSolution() ? model_->getObjValue() : MixedIntegerProgram::Infinity;
            control_.progress({best, model_->getBestPossibleObjValue()});
        }
        return noAction;
    }

private:
    const SolveControl& control_;
    std::chrono::steady_clock::time_point lastTold_{};
};

double Bound(double value, double infinity)
{
    return std::isinf(value) ? (value > 0 ? infinity : -infinity) : value;
}

void Load(OsiClpSolverInterface& solver, const MixedIntegerProgram& program)
{
    const double infinity = solver.getInfinity();
    const int columns = static_cast<int>(program.columns.size());
    std::vector<double> lower, upper, cost, rowLower, rowUpper;
    for (const MixedIntegerProgram::Column& column : program.columns) {
        lower.push_back(Bound(column.lower, infinity));
        upper.push_back(Bound(column.upper, infinity));
        cost.push_back(column.cost);
    }
    // Row by row, made whole at once: appended one at a time, the rows would be copied anew.
    std::vector<double> elements;
    std::vector<int> indices;
    std::vector<CoinBigIndex> starts;
    std::vector<int> lengths;
    for (const MixedIntegerProgram::Row& row : program.rows) {
        starts.push_back(static_cast<CoinBigIndex>(elements.size()));
        lengths.push_back(static_cast<int>(row.terms.size()));
        for (const MixedIntegerProgram::Term& term : row.terms) {
            elements.push_back(term.coefficient);
            indices.push_back(term.column);
        }
        rowLower.push_back(Bound(row.lower, infinity));
        rowUpper.push_back(Bound(row.upper, infinity));
    }
    const CoinPackedMatrix matrix(false, columns, static_cast<int>(program.rows.size()),
                                  static_cast<CoinBigIndex>(elements.size()), elements.data(),
                                  indices.data(), starts.data(), lengths.data());
    solver.loadProblem(matrix, lower.data(), upper.data(), cost.data(), rowLower.data(),
                       rowUpper.data());
    for (int column = 0; column < columns; ++column) {
        if (program.columns.at(column).integer)
            solver.setInteger(column);
    }
}

// CBC's command-line driver reads its arguments through global state: one solve at a time in
// the program, a second one (another roster's correction) waits for its turn, or its stop.
std::mutex DriverInUse;

bool WaitForDriver(std::unique_lock<std::mutex>& driver, const SolveControl& control)
{
    while (!driver.try_lock()) {
        if (control.stop && control.stop->load())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

class CbcMipSolver : public MipSolver {
public:
    SolveResult solve(const MixedIntegerProgram& program, const SolveControl& control) override
    {
        std::unique_lock driver(DriverInUse, std::defer_lock);
        if (!WaitForDriver(driver, control))
            return {};
        OsiClpSolverInterface solver;
        solver.messageHandler()->setLogLevel(0);
        Load(solver, program);
        CbcModel model(solver);
        model.setLogLevel(0);
        giveStart(model, program);
        SearchWatcher watcher(control);
        model.passInEventHandler(&watcher);
        CbcSolverUsefulData data;
        data.noPrinting_ = true;
        CbcMain0(model, data);
        // Whole seconds: written with a decimal point, they would follow the locale.
        const std::string seconds =
            std::to_string(std::max(1, static_cast<int>(std::ceil(control.secondsAllowed))));
        const char* arguments[] = {"rotalis",   "-log",    "0",    "-slog",         "0",
                                   "-timeMode", "elapsed", "-sec", seconds.c_str(), "-solve",
                                   "-quit"};
        CbcMain1(static_cast<int>(std::size(arguments)), arguments, model, nullptr, data);
        return resultOf(model, program);
    }

private:
    // The starting answer becomes the best found so far.
    static void giveStart(CbcModel& model, const MixedIntegerProgram& program)
    {
        if (program.start.isEmpty())
            return;
        double cost = 0;
        for (qsizetype column = 0; column < program.start.size(); ++column)
            cost += program.start.at(column) * program.columns.at(column).cost;
        model.setBestSolution(program.start.constData(), static_cast<int>(program.start.size()),
                              cost, true);
    }

    static SolveResult resultOf(const CbcModel& model, const MixedIntegerProgram& program)
    {
        SolveResult result;
        const double* values = model.bestSolution();
        if (!values) {
            result.status = model.isProvenInfeasible() ? SolveResult::Status::Impossible
                                                       : SolveResult::Status::NoAnswer;
            return result;
        }
        result.values = QList<double>(values, values + program.columns.size());
        result.cost = model.getObjValue();
        result.status = model.isProvenOptimal() ? SolveResult::Status::ProvenBest
                                                : SolveResult::Status::BestFound;
        return result;
    }
};

} // namespace

std::unique_ptr<MipSolver> MakeMipSolver()
{
    return std::make_unique<CbcMipSolver>();
}
