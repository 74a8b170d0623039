// References between claims: resolving parents, multiple dependency, and the marks on them.
#pragma once

// Fills parentIndices, multiRef and dependsOnMultiRef of the dependent record at `pos` from its
// parentNumbers. Records are resolved in list order, so only parents earlier in the list (or the
// record itself) pass their multiple dependency on; a reference forward propagates nothing.
void ResolveParents(int pos);

// Appends "【疑似独权】" to an independent record that opens with "一种" and names "权利要求"
// after its first character, with its first full stop or its first line break behind it.
void CheckSuspectedIndependent(int pos);

// Appends, in this order and each at most once, "【有的父权编号过大】" (a parent number not
// below the claim's own), "【有的父权未找到】" (a parent number no claim bears),
// "【存在非本套的父权编号】" (a parent number below the set leader's) and "【多引多】" (a
// multiple reference that depends on a multiple reference, which also sets multiMulti).
void CheckParents(int pos);
