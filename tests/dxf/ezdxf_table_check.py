"""A table's raw tags before and after an edit, as ezdxf reads them.

    ezdxf_table_check.py compare ORIGINAL EDITED HANDLE
prints the table's insertion points and the AcDbTable tags that differ
(removed from the original, added in the edited drawing).
"""
import json
import sys
from collections import Counter

import ezdxf


def tags(path, handle):
    table = ezdxf.readfile(path).entitydb[handle]
    own = [(t.code, t.value) for t in table.xtags.get_subclass("AcDbTable")]
    return table, own


def insert(table):
    ref = table.xtags.get_subclass("AcDbBlockReference")
    return list(ref.get_first_value(10))


def compare(original, edited, handle):
    a, ta = tags(original, handle)
    b, tb = tags(edited, handle)
    removed = Counter(ta) - Counter(tb)
    added = Counter(tb) - Counter(ta)
    print(json.dumps({
        "insert": [insert(a), insert(b)],
        "count": [len(ta), len(tb)],
        "removed": [list(k) for k in removed.elements()],
        "added": [list(k) for k in added.elements()],
    }, default=str))


if __name__ == "__main__":
    compare(sys.argv[2], sys.argv[3], sys.argv[4])
