// The subject step of the checks: a subject must be recognised, and a dependent claim's subject
// must be a tail of the subject of every parent found.
#pragma once

// Appends "【不能识别本权项主题】" to the record at `pos` when its subject is empty; otherwise
// appends "【主题与父权不一致】" once when its subject is not the byte tail of some found parent's
// subject (parents later in the list are compared too).
void CheckSubject(int pos);
