"""target-properties under Wine: stand-in dialog windows, put up by bench-window in
processes of their own, decide how long the tool lives.

Wine 8 has no Properties dialog: ShellExecuteExA with the "properties" verb shows Wine's
own modal error box inside the calling process and returns false. bench-run closes every
box of the tool's process with OK, so the call returns and the watch runs as it would
after a refused request; the stand-ins then prove the watch itself."""

import time
import unittest

import bench

NAME = "表 Report.txt"  # 表 is 95 5C: its second byte must not split the name
LIFETIME_MS = 6000  # of the dialog that holds the tool
OTHERS_OUTLIVE_MS = 4000  # the windows that must not hold it stay up this much longer


def z_path(unix_path):
    return f"Z:{unix_path}".replace("/", "\\")


class TargetPropertiesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tools = bench.install_tools("target-properties", stub_as=())
        cls.folder, cls.unix = bench.fresh_folder("properties")
        (cls.unix / NAME).write_bytes(b"report")
        cls.link = bench.make_link(cls.folder + "\\report.lnk", f"{cls.folder}\\{NAME}")

    def put_up(self, label, class_name, title, visible, lifetime_ms):
        """Starts one stand-in window; returns the file it records its ticks in."""
        ticks = bench.WORK / f"window-{label}-{time.monotonic_ns()}.ticks"
        process = bench.start_program(bench.BENCH_DIR / "bench-window.exe", class_name,
                                      bench.encode(title).hex(),
                                      "visible" if visible else "hidden", lifetime_ms,
                                      z_path(ticks))
        self.addCleanup(process.wait, 60)
        return ticks, process

    def wait_until_shown(self, windows):
        deadline = time.monotonic() + 30
        while not all(ticks.exists() and "shown" in self.ticks(ticks)
                      for ticks, _ in windows.values()):
            self.assertLess(time.monotonic(), deadline, "the stand-in windows did not show")
            time.sleep(0.1)

    @staticmethod
    def ticks(path):
        return {word: int(tick) for word, tick in
                (line.split() for line in path.read_text().splitlines())}

    def test_only_a_visible_dialog_titled_with_the_name_holds_the_tool(self):
        title = NAME + " のプロパティ"
        others = OTHERS_OUTLIVE_MS + LIFETIME_MS
        windows = {
            # Each of these is refused by one trait alone.
            "letter-case": self.put_up("case", "#32770", "表 report.txt のプロパティ", True,
                                       others),
            "hidden": self.put_up("hidden", "#32770", title, False, others),
            "other-class": self.put_up("class", "BenchNotADialog", title, True, others),
        }
        self.wait_until_shown(windows)
        # The one that counts comes last, so that its lifetime starts with the tool.
        windows["dialog"] = self.put_up("dialog", "#32770", title, True, LIFETIME_MS)
        self.wait_until_shown(windows)

        run = bench.run_tool(self.tools, "target-properties", self.link)
        for _, process in windows.values():
            process.wait(60)
        ticks = {label: self.ticks(path) for label, (path, _) in windows.items()}

        self.assertEqual(0, run.exit_code)
        # One box, Wine's own ("エラー": "パラメーターは正しくありません。"), shown inside
        # ShellExecuteExA: it proves the request was made. None of the tool's own.
        self.assertEqual(1, len(run.boxes), run.boxes)
        self.assertNotEqual(b"Vorlane", run.boxes[0].caption)
        # The last scan that saw the dialog came less than a second before it closed; the
        # next one misses it, and a second after that the tool is gone.
        closed = ticks["dialog"]["closed"]
        self.assertGreater(run.exit_tick, closed)
        self.assertTrue(900 <= run.exit_tick - closed <= 2600, run.exit_tick - closed)
        # The others were still up then: none of them held the tool.
        for label in ("letter-case", "hidden", "other-class"):
            self.assertGreater(ticks[label]["closed"], run.exit_tick + 1000, label)


if __name__ == "__main__":
    unittest.main()
