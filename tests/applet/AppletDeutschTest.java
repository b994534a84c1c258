import java.awt.Color;
import java.awt.Graphics;
import java.awt.image.BufferedImage;
import java.io.IOException;
import java.util.regex.Pattern;

/**
 * The applet speaks German: painted before its model has loaded it shows a line of text,
 * and the reader explains unreadable OFF files without English words. Exit status 1 on failure.
 */
public class AppletDeutschTest {
    private static final Pattern ENGLISH = Pattern.compile("(?i)\\b(line|expected|file|has|only|of|vertex"
            + "|vertices|faces?|edges|missing|bad|number|integer|is|too|large|needs|colou?r|component|outside"
            + "|unsupported|header|lists|fewer|than|empty|not)\\b");
    private static int failed;

    public static void main(String[] args) {
        BufferedImage image = new BufferedImage(300, 100, BufferedImage.TYPE_INT_RGB);
        Viewer41.drawContent(image.getGraphics(), 300, 100, null, new Matrix3D(), null);
        int text = 0;
        for (int x = 0; x < 300; x++) {
            for (int y = 0; y < 100; y++) {
                text += image.getRGB(x, y) == Color.WHITE.getRGB() ? 1 : 0;
            }
        }
        check(text > 50, "painted before loading: a line of text");
        for (String off : new String[] {"", "OFF\n3 3\n", "OFF\n1 1 0\n0 0 0\n1 0 1.5 0 0\n", "OFF\n1 0 0\n0 x\n"}) {
            try {
                new OOGL_OFF(off);
                check(false, off + " is unreadable");
            } catch (IOException e) {
                check(!ENGLISH.matcher(e.getMessage()).find(), "German: " + e.getMessage());
            }
        }
        System.exit(failed == 0 ? 0 : 1);
    }

    private static void check(boolean ok, String what) {
        if (!ok) {
            failed++;
            System.out.println("FAILED: " + what);
        }
    }
}
