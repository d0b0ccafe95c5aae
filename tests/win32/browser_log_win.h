#pragma once
// What reaches the browser: Wine hands each address the shell opens to the
// programs of its WineBrowser setting, which the tests point at a recorder.

#include <string>
#include <vector>

// Points Wine's browser setting at the recorder and empties its log.
void StartRecordingBrowser();
// The addresses opened since, in order.
std::vector<std::string> OpenedAddresses();
// Waits (pumping messages) until at least `count` addresses were opened.
bool WaitForOpenedAddresses(std::size_t count, int timeoutMs = 5000);
