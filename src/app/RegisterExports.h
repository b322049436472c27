#pragma once

// Makes every export known to the command line.
void RegisterExports();
