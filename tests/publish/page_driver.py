"""What the browser tests of the web page share: the pages made as a setter
makes them, headless Chromium through WebDriver, and a solver's hands."""

import os
import shutil
import subprocess
import time
import unittest

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
except ImportError:
    webdriver = None

SKIPPED = 77


class Setting:
    """Set once by the test program before any case runs."""
    args = None
    pages = {}
    driver = None


def browser_missing():
    for program in ("chromium", "chromedriver"):
        if not shutil.which(program):
            return f"{program} is not installed"
    if webdriver is None:
        return "Selenium for Python (python3-selenium) is not installed"
    return None


def make_pages(folder):
    args = Setting.args
    inputs = {"blocks": os.path.join(args.examples, "clued.ipuz"), "bars": os.path.join(args.data, "barred.ipuz"),
              "clasp": os.path.join(args.examples, "block-twofold.txt")}
    for name, source in inputs.items():
        for suffix, extra in (("", []), ("-hidden", ["--no-solution"])):
            path = os.path.join(folder, name + suffix + ".html")
            subprocess.run([args.kventool, "html", source, "-o", path] + extra, check=True, stderr=subprocess.DEVNULL)
            Setting.pages[name + suffix] = path
    styled = os.path.join(folder, "styled.html")
    subprocess.run([args.styled_page, inputs["blocks"], styled], check=True)
    Setting.pages["styled"] = styled


def start_browser(profile):
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", "--no-first-run",
                     "--user-data-dir=" + profile, "--window-size=1200,800"):
        options.add_argument(argument)
    options.binary_location = shutil.which("chromium")
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    return webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)


class PageTest(unittest.TestCase):
    """Opens a page with nothing kept from before, at desktop size."""

    page = "blocks"

    def setUp(self):
        self.d = Setting.driver
        self.d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        self.d.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
        self.d.set_window_size(1200, 800)
        self.open(self.page, fresh=True)

    def open(self, name, fresh=False):
        if fresh:
            # Away from the page first: leaving it keeps its progress.
            self.d.get("about:blank")
            self.d.execute_cdp_cmd("Storage.clearDataForOrigin", {"origin": "file://", "storageTypes": "all"})
        self.d.get("file://" + Setting.pages[name])
        self.d.get_log("performance")  # only what follows counts

    def phone(self):
        self.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": 375, "height": 812, "deviceScaleFactor": 2, "mobile": True})

    def square(self, col, row):
        return self.d.find_element(By.CSS_SELECTOR, f'.square[data-col="{col}"][data-row="{row}"]')

    def click(self, col, row):
        self.square(col, row).click()

    def keys(self, *keys):
        self.d.switch_to.active_element.send_keys(*keys)

    def button(self, text):
        return self.d.find_element(By.XPATH, f'//button[normalize-space()="{text}"]')

    def press(self, text):
        self.button(text).click()

    def grid_rows(self):
        """The letters in the grid, a string a row: '#' a block, '.' an empty square."""
        return self.d.execute_script("""
            const rows = [];
            for (const square of document.querySelectorAll('.square')) {
              const row = Number(square.dataset.row), col = Number(square.dataset.col);
              rows[row - 1] = rows[row - 1] || [];
              const letter = square.querySelector('.letter');
              rows[row - 1][col - 1] = square.classList.contains('block') ? '#' : (letter.textContent || '.');
            }
            return rows.map((r) => r.join(''));""")

    def with_class(self, name):
        return [(int(e.get_attribute("data-col")), int(e.get_attribute("data-row")))
                for e in self.d.find_elements(By.CSS_SELECTOR, ".square." + name)]

    def current_clue(self):
        return [e.get_attribute("data-clue") for e in self.d.find_elements(By.CSS_SELECTOR, "li.current")]

    def message(self):
        return self.d.find_element(By.CSS_SELECTOR, ".message").text

    def timer(self):
        return self.d.find_element(By.CSS_SELECTOR, ".timer").text

    def wait_for(self, condition, seconds=3):
        end = time.time() + seconds
        while time.time() < end:
            if condition():
                return True
            time.sleep(0.05)
        return condition()

    def type_rows(self, rows):
        """Types every open square's letter, square by square."""
        for row, line in enumerate(rows, 1):
            for col, letter in enumerate(line, 1):
                if letter != "#":
                    self.click(col, row)
                    self.keys(letter)

    def finish(self, rows):
        """Fills the grid with one letter wrong, then puts it right: the
        page must say so at each step."""
        self.type_rows(["X" + rows[0][1:]] + rows[1:])
        self.assertTrue(self.wait_for(lambda: "not right" in self.message()), self.message())
        self.click(1, 1)
        self.keys(rows[0][0])
        self.assertTrue(self.wait_for(lambda: "Solved" in self.message()), self.message())
        self.assertRegex(self.message(), r"Solved in \d+:\d\d")

    def screenshot(self, name):
        os.makedirs(Setting.args.screenshots, exist_ok=True)
        self.d.save_screenshot(os.path.join(Setting.args.screenshots, name + ".png"))
