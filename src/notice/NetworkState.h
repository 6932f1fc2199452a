#pragma once
// Whether the machine reports a network connection, asked the way each platform answers it
// best. The notice box waits for a yes before it sends its one request; a yes promises
// nothing about the notice host itself.

// Windows: the platform's connected-state query. Elsewhere: Qt's reachability report when a
// network-information backend loads and knows the state, else whether any interface other than
// loopback is up, running and has an address.
[[nodiscard]] bool machineReportsNetworkConnection();
