#!/usr/bin/env python3
"""The rule-mutation tool finds every refusal rule, the WHEN branches of a CASE as well as the
SELECT ... WHERE rules, and disables exactly the one it is given."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import mutation  # noqa: E402

RULES = """CREATE TRIGGER t BEFORE INSERT ON x BEGIN
  SELECT db_fail('x: plain') WHERE NEW.a IS NULL;
  SELECT CASE
    WHEN r.k = 1 AND NEW.b < 0 -- when the b is below nothing
      THEN db_fail('x: first branch')
    WHEN r.k = 2 AND (NEW.c = 'WHEN' OR NEW.c = 'THEN')
      THEN db_fail('x: second branch')
    END
  FROM (SELECT 1 AS k UNION ALL SELECT 2) r;
END;
"""


class RulesOfATriggerFile(unittest.TestCase):
    def setUp(self):
        self.starts = [m.start() for m in mutation.CALL.finditer(RULES)]

    def test_every_rule_is_found(self):
        self.assertEqual(len(self.starts), 3)

    def test_a_case_branch_is_disabled_alone(self):
        changed = mutation.rewritten(RULES, [self.starts[2]], "0 AND")
        self.assertIn("WHEN 0 AND ( r.k = 2 AND (NEW.c = 'WHEN' OR NEW.c = 'THEN')", changed)
        self.assertIn("WHEN r.k = 1 AND NEW.b < 0", changed)
        self.assertIn("WHERE NEW.a IS NULL;", changed)

    def test_a_branch_after_a_comment_keeps_its_own_condition(self):
        changed = mutation.rewritten(RULES, [self.starts[1]], "0 AND")
        self.assertIn("WHEN 0 AND ( r.k = 1 AND NEW.b < 0", changed)


TEMPLATE = """-- @twin Temp_A
--   ${Kind} = (SELECT id FROM t WHERE kind = 'GRN')
CREATE TRIGGER ${Requests}_check BEFORE INSERT ON ${Requests} BEGIN
  SELECT db_fail('${Requests}: a ${Kind} rule') WHERE NEW.a IN ${Kind};
END;
"""


class RulesOfATemplate(unittest.TestCase):
    def test_a_templates_rule_is_found_and_disabled_once_for_every_twin(self):
        with tempfile.TemporaryDirectory() as tree:
            folder = os.path.join(tree, "src/db/triggers")
            os.makedirs(folder)
            with open(os.path.join(folder, "Twins.sqlt"), "w", encoding="utf-8") as out:
                out.write(TEMPLATE)
            rules = mutation.rules_of(tree)
        self.assertEqual([(r.name(), r.reason) for r in rules], [("Twins.sqlt:4", "${Requests}: a ${Kind} rule")])
        changed = mutation.rewritten(TEMPLATE, [rules[0].start], "0 AND")
        self.assertIn("WHERE 0 AND ( NEW.a IN ${Kind}) ;", changed)


if __name__ == "__main__":
    unittest.main()
