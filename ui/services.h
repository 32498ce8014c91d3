#pragma once

namespace quintix {

class ITableProvider;
class IMessages;
class THelpSystem;
class TSettings;

// The long-lived services the program's entry makes once and hands to its windows. Each outlives
// every window it is handed to; tests and tools hand their own. Without settings nothing is
// remembered between runs.
struct TServices {
    ITableProvider& Table;
    THelpSystem& Help;
    IMessages& Messages;
    TSettings* Settings = nullptr;
};

}  // namespace quintix
