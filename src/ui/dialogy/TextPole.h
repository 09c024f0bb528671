#pragma once

class QLineEdit;

// The field accepts only text a data file can hold as typed (Windows-1250, one line).
void PovolJen1250(QLineEdit* pole);
