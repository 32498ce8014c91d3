#pragma once

namespace quintix {

class ITableProvider;
class IMessages;
class THelpSystem;
class THistoryStore;
class TSeriesFile;
class TSettings;

// The long-lived services the program's entry makes once and hands to its windows. Each outlives
// every window it is handed to; tests and tools hand their own. Without settings nothing is
// remembered between runs, without a history no game is recorded, and without a series file no
// series is kept when the window closes.
struct TServices {
    ITableProvider& Table;
    THelpSystem& Help;
    IMessages& Messages;
    TSettings* Settings = nullptr;
    THistoryStore* History = nullptr;
    TSeriesFile* KeptSeries = nullptr;
};

}  // namespace quintix
