#pragma once

#include "planning/MixedIntegerProgram.h"

#include <QList>
#include <atomic>
#include <functional>
#include <memory>

// How a solve is going: the cost of the best answer found so far (none yet: infinity) and the
// lowest cost any answer can have.
struct SolveProgress {
    double bestCost;
    double bound;
};

// What a solve may take, and who hears how it goes.
struct SolveControl {
    double secondsAllowed = 30;
    // Set from another thread, the solve stops and keeps the best answer found so far.
    const std::atomic<bool>* stop = nullptr;
    // Called from the solving thread.
    std::function<void(const SolveProgress&)> progress = {};
};

struct SolveResult {
    enum class Status {
        ProvenBest, // no answer costs less
        BestFound,  // the time ran out or the solve was stopped: the best answer found
        NoAnswer,   // none was found in the time allowed
        Impossible, // none exists
    };
    Status status = Status::NoAnswer;
    // One value per column; empty without an answer.
    QList<double> values;
    double cost = 0;
};

// An optimisation solver. The program uses one through this interface alone, so that another
// can take its place.
class MipSolver {
public:
    virtual ~MipSolver() = default;
    virtual SolveResult solve(const MixedIntegerProgram& program, const SolveControl& control) = 0;
};

// The solver the program is built with.
std::unique_ptr<MipSolver> MakeMipSolver();
