#pragma once

#include <QList>
#include <QString>

class Corpus;

/** What every measure needs to know about the run it is part of. */
struct BenchContext
{
    QString workFolder; // scratch space for outputs and renders
    QString selfPath; // this program, for the measures that run in a process of their own
    bool quick = false; // a small corpus and single runs, for trying the benchmarks out
    int repetitions = 3; // runs per figure where a median is taken
    Corpus* corpus = nullptr;
};

/** Median of the values; NaN for none. */
double median(QList<double> values);
