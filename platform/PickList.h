#pragma once

class QComboBox;

// Makes a pick-only drop-down list: no typing, and a list that drops down
// 8 rows below the box; every item `itemHeight` pixels high when given.
void SetPickList(QComboBox* box, int itemHeight = 0);
