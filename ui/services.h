#pragma once

namespace quintix {

class ITableProvider;
class IMessages;
class THelpSystem;
class THistoryStore;
class TSettings;

// The long-lived services the program's entry makes once and hands to its windows. Each outlives
// every window it is handed to; tests and tools hand their own. Without settings nothing is
// remembered between runs; without a history the statistics have nothing to show.
struct TServices {
    ITableProvider& Table;
    THelpSystem& Help;
    IMessages& Messages;
    TSettings* Settings = nullptr;
    THistoryStore* History = nullptr;
};

}  // namespace quintix
