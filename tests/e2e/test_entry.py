"""The entry flow of the real programs under Wine: arguments as the C run time splits
them, the two boxes of the entry, and exit code 0 on every road. select-target stands
for all tools here, since they share the entry."""

import unittest

import bench

MISSING_ARGUMENT = "引数にショートカットファイルのパスを指定してください。".encode("cp932")
NOT_FOUND_SUFFIX = "\nが見つかりませんでした。".encode("cp932")


class EntryTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tools = bench.install_tools("select-target")
        cls.folder, cls.unix = bench.fresh_folder("entry")
        (cls.unix / "Report.txt").write_bytes(b"report")
        cls.link = bench.make_link(cls.folder + "\\report.lnk", cls.folder + "\\Report.txt")

    def run_tool(self, *arguments, raw=None):
        return bench.run_tool(self.tools, "select-target", *arguments, raw_arguments=raw)

    def assert_one_box(self, run, text):
        self.assertEqual(0, run.exit_code)
        self.assertEqual(1, len(run.boxes), run.boxes)
        box = run.boxes[0]
        self.assertEqual(b"Vorlane", box.caption)
        self.assertEqual(text, box.text)
        self.assertEqual("present", box.icon)
        self.assertEqual("1", box.buttons)  # OK alone
        self.assertEqual([], run.records, "nothing may be started")

    def assert_selects(self, run, target):
        self.assertEqual(0, run.exit_code)
        self.assertEqual([], run.boxes)
        self.assertEqual([b'explorer /n,/select,"' + bench.encode(target) + b'"'],
                         [record.cmdline for record in run.records])

    def test_no_argument_shows_missing_argument(self):
        self.assert_one_box(self.run_tool(), MISSING_ARGUMENT)

    def test_empty_argument_shows_the_suffix_alone(self):
        self.assert_one_box(self.run_tool(raw=b'""'), NOT_FOUND_SUFFIX)

    def test_unresolvable_files_show_the_suffix_alone(self):
        (self.unix / "notes.txt").write_bytes(b"no shortcut here")
        real = (self.unix / "report.lnk").read_bytes()
        (self.unix / "truncated.lnk").write_bytes(real[:40])
        (self.unix / "empty.lnk").write_bytes(b"")
        bench.make_link(self.folder + "\\computer.lnk", "--computer")
        for name in ("notes.txt", "missing.lnk", "truncated.lnk", "empty.lnk", "computer.lnk"):
            with self.subTest(name):
                self.assert_one_box(self.run_tool(f"{self.folder}\\{name}"), NOT_FOUND_SUFFIX)

    def test_link_to_a_deleted_target_names_the_target(self):
        (self.unix / "Old.txt").write_bytes(b"old")
        link = bench.make_link(self.folder + "\\old.lnk", self.folder + "\\Old.txt")
        (self.unix / "Old.txt").unlink()
        self.assert_one_box(self.run_tool(link),
                            bench.encode(self.folder + "\\Old.txt") + NOT_FOUND_SUFFIX)

    def test_link_to_a_file(self):
        self.assert_selects(self.run_tool(self.link), self.folder + "\\Report.txt")

    def test_extra_arguments_are_ignored(self):
        run = self.run_tool(self.link, self.folder + "\\missing.lnk", "x")
        self.assert_selects(run, self.folder + "\\Report.txt")

    def test_quoted_path_with_blanks_is_one_argument(self):
        (self.unix / "My Links").mkdir()
        link = bench.make_link(self.folder + "\\My Links\\a b.lnk", self.folder + "\\Report.txt")
        self.assert_selects(self.run_tool(raw=bench.quote(link)), self.folder + "\\Report.txt")

    def test_quoted_argument_ending_in_a_trail_byte_5c(self):
        # 表 is 0x95 0x5C: the 0x5C must not escape the closing quote. The link's name has
        # no extension, which plays no part in reading it.
        link = bench.make_link(self.folder + "\\表", self.folder + "\\Report.txt")
        raw = bench.quote(link)
        self.assertEqual(b'\x95\x5c"', raw[-3:])
        self.assert_selects(self.run_tool(raw=raw), self.folder + "\\Report.txt")

    def test_argument_of_30000_bytes(self):
        run = self.run_tool("C:\\" + "a" * 30000)
        self.assert_one_box(run, NOT_FOUND_SUFFIX)


if __name__ == "__main__":
    unittest.main()
