#pragma once

/// Where a table is going: the console after a round, or the results file at
/// the end of the game. The two differ in headings and blank lines; both are
/// built in console bytes, and the results file converts its whole text.
enum class Form { Console, File };
