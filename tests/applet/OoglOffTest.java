import java.awt.image.BufferedImage;
import java.io.*;
import java.net.*;
import java.nio.file.*;
import java.util.*;
import java.util.regex.*;

/** The applet reads, finds and draws what the program writes; args: FOLDER [OFF VERTICES FACES] ... */
public class OoglOffTest {
    /** OFF texts ("|" ends a line) dragged by "dx dy": each colour's box and pixels, or the error. */
    private static final String[][] CASES = {
        {"example", "0 0", "OFF|3 3 99|0 0 0|10 0 0|0 10 0|2 0 1 1 0.5 0.5|2 1 2 0.5 1 0.5|2 2 0 0.5 0.5 1|",
            "128,128,255 [167, 87, 167, 393, 307] 128,255,128 [168, 88, 473, 393, 306]"
            + " 255,128,128 [168, 393, 472, 393, 305]"},
        {"index -1 skipped", "0 0", "OFF|2 2 99|-1.5e+21 -0.25 0|1e+21 5 6|2 0 1 1 1 1|2 1 -1 0 0.5 0|",
            "255,255,255 [104, 240, 536, 240, 433]"},
        {"far, turned", "-200 33", "OFF|3 2 99|1e+21 1e+21 1e+21|1.2e+21 1e+21 1e+21"
            + "|1e+21 1.1e+21 1.05e+21|2 0 1 1 0 0|2 1 2 1 0 0|", "255,0,0 [306, 95, 399, 385, 396]"},
        {"no faces", "0 0", "OFF|0 0 99|", ""},
        {"empty file", "0 0", "", "Datei ist leer"},
        {"no edge count", "0 0", "OFF|3 3|", "Zeile 2: erwartet werden Eckenzahl, Flächenzahl, Kantenzahl"},
        {"colour over 1", "0 0", "OFF|1 1 0|0 0 0|1 0 1.5 0 0|", "Zeile 4: Farbanteil 1.5 liegt außerhalb 0..1"},
        {"vertex of two", "0 0", "OFF|1 0 0|0 x|", "Zeile 3: Ecke braucht 3 Koordinaten"},
    };
    private static final int W = 640;
    private static final int H = 480;
    private static int failed;

    public static void main(String[] args) throws Exception {
        for (String[] c : CASES) {
            same(c[0], c[3], drawn(c[2], c[1]));
        }
        BufferedImage loading = new BufferedImage(W, H, BufferedImage.TYPE_INT_RGB);
        Viewer41.drawContent(loading.getGraphics(), W, H, null, new Matrix3D(), null);
        check(colours(loading).startsWith("255,255,255 ["), "a white line of text while the model loads");
        for (String page : new String[] {"seite1", "seite2", "seite3", "seite4"}) {
            pageNamesItsFile(Paths.get(args[0]), page);
        }
        for (int i = 1; i + 2 < args.length; i += 3) {
            try (InputStream in = new FileInputStream(args[i])) {
                OOGL_OFF model = new OOGL_OFF(in);
                same(args[i] + ": vertices", args[i + 1], "" + model.getVertexCount());
                same(args[i] + ": faces", args[i + 2], "" + model.getFaces().length);
            }
        }
        System.out.println(failed + " failed");
        System.exit(failed == 0 ? 0 : 1);
    }

    /** The page's model parameter, as a browser hands it over, gives through the applet the
     * address whose path ("+" being a plus) is the page's folder and the OFF file's name as listed. */
    private static void pageNamesItsFile(Path folder, String page) throws IOException {
        String htm = new String(Files.readAllBytes(folder.resolve(page + ".htm")), "windows-1252");
        Matcher value = Pattern.compile("<PARAM name=model value=\"([^\"]*)\">").matcher(htm);
        check(value.find(), page + ".htm has a model parameter");
        URL base = folder.resolve(page).resolve("s.htm").toUri().toURL();
        URL url = Viewer41.modelUrl(base, value.group(1).replace("&amp;", "&"));
        String name = new String(Files.readAllBytes(folder.resolve(page + ".name")), "ISO-8859-1");
        String folderPath = base.getPath().replace("s.htm", "").replace("+", "%2B");
        String path = URLDecoder.decode(url.getPath().replace("+", "%2B"), "ISO-8859-1");
        same(page + ": the path of " + url, URLDecoder.decode(folderPath, "ISO-8859-1") + name, path);
    }

    private static void check(boolean ok, String what) {
        if (!ok) {
            failed++;
            System.out.println("FAILED: " + what);
        }
    }

    private static void same(String what, String expected, String got) {
        check(expected.equals(got), what + ": expected <" + expected + "> but got <" + got + ">");
    }

    /** The OFF text read and drawn as the applet does after a drag, or the reader's message. */
    private static String drawn(String text, String drag) {
        BufferedImage image = new BufferedImage(W, H, BufferedImage.TYPE_INT_RGB);
        Matrix3D rotation = new Matrix3D();
        String[] d = drag.split(" ");
        Viewer41.turn(rotation, Integer.parseInt(d[0]), Integer.parseInt(d[1]));
        try {
            OOGL_OFF model = new OOGL_OFF(text.replace("|", "\r\n"));
            Viewer41.drawModel(image.getGraphics(), W, H, model, rotation);
            return colours(image);
        } catch (IOException e) {
            return e.getMessage();
        }
    }

    /** Each colour drawn, black not, as "R,G,B [minX, minY, maxX, maxY, pixels]", in order. */
    private static String colours(BufferedImage image) {
        Map<String, int[]> boxes = new TreeMap<>();
        for (int y = 0; y < H; y++) {
            for (int x = 0; x < W; x++) {
                int rgb = image.getRGB(x, y);
                String colour = (rgb >> 16 & 255) + "," + (rgb >> 8 & 255) + "," + (rgb & 255);
                int[] b = boxes.containsKey(colour) ? boxes.get(colour) : new int[] {x, y, x, y, 0};
                boxes.put(colour, b);
                b[0] = Math.min(b[0], x);
                b[2] = Math.max(b[2], x);
                b[3] = y;
                b[4]++;
            }
        }
        boxes.remove("0,0,0");
        StringBuilder s = new StringBuilder();
        boxes.forEach((colour, b) -> s.append(" " + colour + " " + Arrays.toString(b)));
        return s.toString().trim();
    }
}
