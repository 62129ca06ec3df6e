#pragma once

class MousecfgWidget;

// Creates the pages and plugs them into the window's tabs.
void InstallPages(MousecfgWidget& window);
