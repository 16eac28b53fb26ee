#!/usr/bin/env python3
"""The exported web pages as a solver plays them: headless Chromium driven
through WebDriver clicks, types, checks, reveals, reloads, prints and
narrows the window. Exits 77 (skipped) when the browser, its driver or
Selenium is missing."""

import argparse
import base64
import json
import os
import shutil
import sys
import tempfile
import time
import unittest

from page_driver import SKIPPED, PageTest, Setting, browser_missing, make_pages, start_browser

try:
    from selenium.common.exceptions import WebDriverException
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
except ImportError:
    pass

STEMS = ["STEMS", "E#N#A", "TOTAL", "S#E#S", "TRIOS"]
TURNABOUT = ["STREAM", "PAROLE", "INVADE", "NEARER", "ALBEIT", "LEVELS"]
SOLVING_BUTTONS = ["Check letter", "Check word", "Check puzzle", "Reveal letter", "Reveal word", "Reveal puzzle"]


class BlockPage(PageTest):
    page = "blocks"

    def test_keeps_the_contract_of_squares_clues_and_buttons(self):
        squares = self.d.find_elements(By.CSS_SELECTOR, "[data-col][data-row]")
        self.assertEqual(len(squares), 25)
        blocks = {(int(e.get_attribute("data-col")), int(e.get_attribute("data-row")))
                  for e in self.d.find_elements(By.CSS_SELECTOR, ".square.block")}
        self.assertEqual(blocks, {(2, 2), (4, 2), (2, 4), (4, 4)})
        self.assertEqual(self.square(3, 1).find_element(By.CLASS_NAME, "num").text, "2")
        self.assertEqual(self.square(3, 1).find_element(By.CLASS_NAME, "letter").text, "")
        clues = [e.get_attribute("data-clue") for e in self.d.find_elements(By.CSS_SELECTOR, "li[data-clue]")]
        self.assertEqual(clues, ["1-across", "4-across", "5-across", "1-down", "2-down", "3-down"])
        texts = [b.text for b in self.d.find_elements(By.TAG_NAME, "button") if b.is_displayed()]
        for text in SOLVING_BUTTONS + ["Clear"]:
            self.assertIn(text, texts)
        clue = self.d.find_element(By.CSS_SELECTOR, 'li[data-clue="4-across"]')
        self.assertEqual(clue.text.replace("\n", " "), "4 Sum of the whole lot (5)")
        self.assertEqual(clue.find_element(By.TAG_NAME, "i").text, "whole")
        self.assertEqual(self.d.find_element(By.TAG_NAME, "h1").text, "Stems")
        self.assertIn("A. Setter", self.d.find_element(By.CSS_SELECTOR, ".facts .author").text)
        self.assertIn("2026 A. Setter", self.d.find_element(By.CSS_SELECTOR, ".facts .copyright").text)

    def test_labels_the_grid_and_its_squares(self):
        self.assertEqual(self.d.find_element(By.CSS_SELECTOR, "[role=grid]").get_attribute("aria-label"),
                         "Crossword, 5 by 5 squares")
        labels = {
            (3, 1): "1 across, square 3 of 5; 2 down, square 1 of 5",
            (2, 3): "4 across, square 2 of 5",
            (5, 4): "3 down, square 4 of 5",
        }
        for (col, row), label in labels.items():
            self.assertEqual(self.square(col, row).get_attribute("aria-label"), label)
            self.assertEqual(self.square(col, row).get_attribute("role"), "gridcell")
        self.assertEqual(len(self.d.find_elements(By.CSS_SELECTOR, "[role=row]")), 5)

    def test_typing_fills_the_entry_and_shows_its_clue(self):
        self.click(1, 1)
        self.keys("stems")
        self.assertEqual(self.grid_rows()[0], "STEMS")
        self.assertEqual(sorted(self.with_class("current")), [(c, 1) for c in range(1, 6)])
        self.assertEqual(self.current_clue(), ["1-across"])
        bar = self.d.find_element(By.CSS_SELECTOR, ".current-clue").text
        self.assertEqual(bar, "1 across Setter's first clue (5)")

    def test_a_second_click_turns_to_the_other_entry(self):
        self.click(1, 3)
        self.assertEqual(self.current_clue(), ["4-across"])
        self.click(1, 3)
        self.assertEqual(self.current_clue(), ["1-down"])
        self.assertEqual(sorted(self.with_class("current")), [(1, r) for r in range(1, 6)])
        self.click(2, 3)
        self.assertEqual(self.current_clue(), ["4-across"], "a square in one entry only keeps to it")

    def test_backspace_clears_and_moves_back(self):
        cases = [
            (["STE", Keys.BACKSPACE], "ST...", (3, 1)),
            (["STE", Keys.BACKSPACE, Keys.BACKSPACE], "S....", (2, 1)),
            (["STEMS", Keys.BACKSPACE], "STEM.", (4, 1)),
            (["STE", Keys.BACKSPACE, "X"], "STX..", (4, 1)),
            ([Keys.BACKSPACE], ".....", (1, 1)),
            (["ST", Keys.ARROW_LEFT, Keys.DELETE], "S....", (2, 1)),
        ]
        for keys, row, cursor in cases:
            with self.subTest(keys=keys):
                self.open(self.page, fresh=True)
                self.click(1, 1)
                self.keys(*keys)
                self.assertEqual(self.grid_rows()[0], row)
                self.assertEqual(self.with_class("cursor"), [cursor])

    def test_arrow_keys_move_over_blocks(self):
        cases = [
            ((1, 1), [Keys.ARROW_RIGHT, Keys.ARROW_RIGHT], (3, 1), "1-across"),
            ((3, 1), [Keys.ARROW_DOWN], (3, 2), "2-down"),
            ((3, 2), [Keys.ARROW_LEFT], (1, 2), "1-down"),
            ((1, 2), [Keys.ARROW_RIGHT], (3, 2), "2-down"),
            ((5, 5), [Keys.ARROW_RIGHT], (5, 5), "5-across"),
            ((1, 1), [Keys.ARROW_UP], (1, 1), "1-down"),
        ]
        for start, keys, cursor, clue in cases:
            with self.subTest(start=start, keys=keys):
                self.click(*start)
                self.keys(*keys)
                self.assertEqual(self.with_class("cursor"), [cursor])
                self.assertEqual(self.current_clue(), [clue])

    def test_tab_goes_to_the_next_entry_and_back(self):
        self.click(1, 1)
        for shift, clue in ((False, "4-across"), (False, "5-across"), (False, "1-down"), (True, "5-across")):
            keys = ActionChains(self.d)
            if shift:
                keys.key_down(Keys.SHIFT)
            keys.send_keys(Keys.TAB)
            if shift:
                keys.key_up(Keys.SHIFT)
            keys.perform()
            self.assertEqual(self.current_clue(), [clue])
        self.assertEqual(self.d.switch_to.active_element.get_attribute("class"), "keys")

    def test_a_click_on_a_clue_selects_its_entry(self):
        self.d.find_element(By.CSS_SELECTOR, 'li[data-clue="2-down"]').click()
        self.assertEqual(sorted(self.with_class("current")), [(3, r) for r in range(1, 6)])
        self.keys("enter")
        self.assertEqual([row[2] for row in self.grid_rows()], list("ENTER"))

    def test_check_marks_wrong_letters_until_they_change(self):
        self.click(1, 1)
        self.keys("SXEMS")
        self.click(1, 3)
        self.keys("TOTAX")
        self.click(2, 1)
        self.press("Check letter")
        self.assertEqual(self.with_class("wrong"), [(2, 1)])
        self.click(2, 1)
        self.keys("t")
        self.assertEqual(self.with_class("wrong"), [], "a changed letter loses its mark")
        self.click(1, 1)
        self.keys("ABEMS")
        self.press("Check word")
        self.assertEqual(sorted(self.with_class("wrong")), [(1, 1), (2, 1)])
        self.press("Check puzzle")
        self.assertEqual(sorted(self.with_class("wrong")), [(1, 1), (2, 1), (5, 3)])
        self.assertEqual(self.grid_rows()[0], "ABEMS", "checking changes no letter")

    def test_reveal_letter_word_and_puzzle(self):
        self.click(2, 1)
        self.press("Reveal letter")
        self.assertEqual(self.grid_rows()[0], ".T...")
        self.click(1, 3)
        self.press("Reveal word")
        self.assertEqual(self.grid_rows()[2], "TOTAL")
        self.assertIn((2, 1), self.with_class("revealed"))
        self.press("Reveal puzzle")
        self.assertEqual(self.grid_rows(), STEMS)
        self.assertTrue(self.wait_for(lambda: "Solved" in self.message()), self.message())

    def test_a_finished_grid_says_solved_with_the_time(self):
        self.finish(STEMS)
        shown = self.timer()
        time.sleep(1.3)
        self.assertEqual(self.timer(), shown, "the clock stops at the solution")
        self.screenshot("blocks-solved-desktop")

    def test_progress_comes_back_after_a_reload_and_clear_empties_it(self):
        self.click(1, 1)
        self.keys("STE")
        self.click(2, 1)
        self.press("Check letter")
        time.sleep(1.2)
        before = self.timer()
        self.d.refresh()
        self.assertEqual(self.grid_rows()[0], "STE..")
        self.assertGreaterEqual(self.timer(), before)
        self.press("Clear")
        self.assertEqual(self.grid_rows()[0], ".....")
        self.assertEqual(self.timer(), "0:00")
        self.d.refresh()
        self.assertEqual(self.grid_rows()[0], ".....")

    def test_pause_stops_the_clock_and_hides_the_grid(self):
        self.press("Pause")
        shown = self.timer()
        self.assertTrue(self.button("Resume").is_displayed())
        self.assertFalse(self.button("Check word").is_enabled())
        time.sleep(1.3)
        self.assertEqual(self.timer(), shown)
        self.d.find_element(By.CSS_SELECTOR, ".pause-cover button").click()
        self.click(1, 1)
        self.keys("S")
        self.assertEqual(self.grid_rows()[0], "S....")
        self.assertTrue(self.wait_for(lambda: self.timer() != shown, 2.5), "the clock runs again")

    def test_the_keyboard_reaches_the_grid_and_leaves_it(self):
        self.d.find_element(By.TAG_NAME, "body").click()
        ActionChains(self.d).send_keys(Keys.TAB).perform()
        self.assertEqual(self.d.switch_to.active_element.get_attribute("class"), "keys")
        self.keys("s")
        self.assertEqual(self.grid_rows()[0], "S....")
        self.keys(Keys.ESCAPE)
        self.assertEqual(self.d.switch_to.active_element.text, "Pause")

    def test_print_shows_grid_and_clues_without_the_controls(self):
        self.click(1, 1)
        self.d.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
        shown = lambda selector: self.d.find_element(By.CSS_SELECTOR, selector).is_displayed()
        for selector in (".controls", ".current-clue", ".hint"):
            self.assertFalse(shown(selector), selector)
        for selector in (".grid", ".clues", "h1", 'li[data-clue="3-down"]'):
            self.assertTrue(shown(selector), selector)
        colour = self.d.execute_script(
            "return getComputedStyle(document.querySelector('.square.current')).backgroundColor")
        self.assertEqual(colour, "rgb(255, 255, 255)", "no highlight on paper")
        pdf = self.d.execute_cdp_cmd("Page.printToPDF", {"printBackground": True})
        os.makedirs(Setting.args.screenshots, exist_ok=True)
        with open(os.path.join(Setting.args.screenshots, "blocks-print.pdf"), "wb") as out:
            out.write(base64.b64decode(pdf["data"]))
        self.screenshot("blocks-print-media")

    def test_asks_for_nothing_but_the_page_itself(self):
        for name in Setting.pages:
            self.open(name)
            self.click(1, 1)
            self.keys("A")
            requested = []
            for entry in self.d.get_log("performance"):
                message = json.loads(entry["message"])["message"]
                if message["method"] == "Network.requestWillBeSent":
                    requested.append(message["params"]["request"]["url"])
            self.assertEqual(requested, [], name)
            self.assertEqual(self.d.execute_script("return performance.getEntriesByType('resource').length"), 0)
            errors = [e for e in self.d.get_log("browser") if e["level"] == "SEVERE"]
            self.assertEqual(errors, [], name)


class BarPage(PageTest):
    page = "bars"

    def test_bars_stand_between_squares_and_end_entries(self):
        self.assertEqual(sorted(self.with_class("bar-right")), sorted([(2, 1), (5, 1), (3, 3), (3, 4), (1, 6), (4, 6)]))
        self.assertEqual(sorted(self.with_class("bar-below")), sorted([(1, 1), (6, 2), (3, 3), (4, 3), (1, 4), (6, 5)]))
        self.assertEqual(self.with_class("block"), [])
        self.click(1, 1)
        self.keys("STR")
        self.assertEqual(self.grid_rows()[0], "SR....", "the entry ends at the bar")
        self.assertEqual(self.current_clue(), ["1-across"])
        self.click(1, 1)
        self.assertEqual(self.current_clue(), ["1-across"], "no down entry crosses the bar below")
        self.assertEqual(self.square(2, 1).get_attribute("aria-label"),
                         "1 across, square 2 of 2; 2 down, square 1 of 6")
        self.screenshot("bars-desktop")

    def test_markup_in_clues_and_facts_is_built_never_run(self):
        self.assertNotEqual(self.d.title, "pwned")
        self.assertEqual(len(self.d.find_elements(By.TAG_NAME, "script")), 2)
        self.assertEqual(self.d.find_elements(By.TAG_NAME, "img"), [])
        clue = lambda name: self.d.find_element(By.CSS_SELECTOR, f'li[data-clue="{name}"]')
        self.assertEqual(clue("3-across").find_element(By.TAG_NAME, "sub").text, "2")
        self.assertIn("H2O & more", clue("3-across").text)
        self.assertEqual(clue("13-across").find_element(By.CSS_SELECTOR, "b i").text, "and italic")
        self.assertIn("<b> is not bold here", clue("11-across").text)
        self.assertEqual(clue("11-across").find_elements(By.TAG_NAME, "b"), [])
        self.assertIn("(1-1)", clue("1-across").text)
        title = self.d.find_element(By.TAG_NAME, "h1")
        self.assertEqual(title.text, "Turnabout — “bars” & all")
        self.assertEqual(title.find_element(By.TAG_NAME, "i").text, "all")
        self.assertEqual(self.d.find_element(By.CSS_SELECTOR, ".notes b").text, "bold")

    def test_other_clue_lists_follow_across_and_down(self):
        headings = [h.text for h in self.d.find_elements(By.CSS_SELECTOR, ".clue-list h2")]
        self.assertEqual([h.lower() for h in headings], ["across", "down", "diagonal"])
        other = self.d.find_elements(By.CSS_SELECTOR, ".clue-list.other li")
        self.assertEqual([li.text.replace("\n", " ") for li in other], ["1 From the corner", "2 Back up (6)"])

    def test_reveal_puzzle_solves_it(self):
        self.press("Reveal puzzle")
        self.assertEqual(self.grid_rows(), TURNABOUT)
        self.assertTrue(self.wait_for(lambda: "Solved" in self.message()))


class PhoneScreen(PageTest):
    def test_fits_the_grid_to_the_width_and_puts_the_clues_below(self):
        for name, start, letters, row in (("blocks", (1, 1), "ST", 0), ("bars", (1, 2), "PAROLE", 1)):
            with self.subTest(page=name):
                self.phone()
                self.open(name, fresh=True)
                width = self.d.execute_script("return window.innerWidth")
                self.assertEqual(width, 375)
                grid = self.d.find_element(By.CSS_SELECTOR, ".grid").rect
                clues = self.d.find_element(By.CSS_SELECTOR, ".clues").rect
                self.assertLessEqual(grid["x"] + grid["width"], width)
                self.assertGreater(grid["width"], width * 0.85)
                self.assertGreaterEqual(clues["y"], grid["y"] + grid["height"])
                self.assertLessEqual(self.d.execute_script("return document.documentElement.scrollWidth"), width)
                self.click(*start)
                self.keys(letters)
                self.assertEqual(self.grid_rows()[row][:len(letters)], letters)
                self.screenshot(name + "-phone")


class PageWithoutSolution(PageTest):
    def test_has_no_check_or_reveal_nor_any_answer_yet_knows_a_finished_grid(self):
        for name, rows in (("blocks-hidden", STEMS), ("bars-hidden", TURNABOUT)):
            with self.subTest(page=name):
                self.open(name, fresh=True)
                texts = [b.text for b in self.d.find_elements(By.TAG_NAME, "button")]
                self.assertEqual([t for t in texts if t in SOLVING_BUTTONS], [])
                self.assertIn("Clear", texts)
                with open(Setting.pages[name], encoding="utf-8") as page:
                    source = page.read()
                self.assertNotIn('"solution"', source)
                for line in rows:
                    self.assertNotIn(line.replace("#", ""), source)
                self.finish(rows)
                self.screenshot(name + "-solved")

    def test_knows_it_without_the_browsers_own_crypto(self):
        # As over plain http, where a page is not a secure context.
        hidden = self.d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
            "source": "Object.defineProperty(Crypto.prototype, 'subtle', {get() { return undefined; }});"})
        try:
            for name, rows in (("blocks-hidden", STEMS), ("bars-hidden", TURNABOUT)):
                with self.subTest(page=name):
                    self.open(name, fresh=True)
                    self.assertFalse(self.d.execute_script("return !!(window.crypto && crypto.subtle)"))
                    self.finish(rows)
        finally:
            self.d.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", hidden)


class KvenTextPage(PageTest):
    page = "clasp"

    def test_clues_of_a_kven_text_are_numbers_and_lengths(self):
        items = [li.text.replace("\n", " ") for li in self.d.find_elements(By.CSS_SELECTOR, "li[data-clue]")]
        self.assertIn("1 (5)", items)
        self.assertIn("5 (2)", items)
        self.assertEqual(self.d.find_element(By.TAG_NAME, "h1").text, "Clasp")


class StyledPage(PageTest):
    page = "styled"

    def test_circles_and_shading_are_drawn(self):
        self.assertEqual(sorted(self.with_class("circled")), [(1, 1), (3, 3), (5, 5)])
        self.assertEqual(sorted(self.with_class("shaded")), [(c, 5) for c in range(1, 6)])
        self.click(3, 3)
        background = lambda col, row: self.d.execute_script(
            "return getComputedStyle(arguments[0]).backgroundColor", self.square(col, row))
        self.assertEqual(background(1, 5), "rgb(217, 217, 217)")
        self.assertEqual(background(4, 5), "rgb(0, 160, 255)")
        self.screenshot("styled-desktop")


def main():
    parser = argparse.ArgumentParser()
    for option in ("--kventool", "--styled-page", "--examples", "--data", "--screenshots"):
        parser.add_argument(option, required=True)
    Setting.args, rest = parser.parse_known_args()
    missing = browser_missing()
    if missing:
        print(f"skipped: {missing}; the web page is not tried in a browser")
        return SKIPPED
    folder = tempfile.mkdtemp(prefix="kven-web-")
    try:
        make_pages(folder)
        try:
            Setting.driver = start_browser(os.path.join(folder, "profile"))
        except WebDriverException as error:
            print(f"skipped: Chromium does not start here ({error.msg})")
            return SKIPPED
        try:
            program = unittest.main(argv=[sys.argv[0]] + rest, exit=False, verbosity=2)
        finally:
            Setting.driver.quit()
        return 0 if program.result.wasSuccessful() else 1
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
