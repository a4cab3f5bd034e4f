#pragma once
// What the program sets on the application before it opens the window.
namespace orv5 {

// Application name "Orv5QEL Save Analyser" and version.
void SetUpApplication();

}  // namespace orv5
