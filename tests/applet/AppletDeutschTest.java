import java.awt.Color;
import java.awt.image.BufferedImage;
import java.io.IOException;
import java.util.regex.Pattern;

/** The applet speaks German: painted before its model has loaded, and on unreadable OFF files. */
public class AppletDeutschTest {
    private static final Pattern ENGLISH = Pattern.compile("(?i)\\b(line|expected|file|has|only|of|vertex"
            + "|vertices|faces?|edges|missing|bad|number|integer|is|too|large|needs|colou?r|component|outside"
            + "|unsupported|header|lists|fewer|than|empty|not)\\b");

    public static void main(String[] args) {
        BufferedImage image = new BufferedImage(300, 100, BufferedImage.TYPE_INT_RGB);
        Viewer41.drawContent(image.getGraphics(), 300, 100, null, new Matrix3D(), null);
        int text = 0;
        for (int i = 0; i < 300 * 100; i++) {
            text += image.getRGB(i % 300, i / 300) == Color.WHITE.getRGB() ? 1 : 0;
        }
        boolean ok = text > 50; // a line of text, no exception
        for (String off : new String[] {"", "OFF\n3 3\n", "OFF\n1 1 0\n0 0 0\n1 0 1.5 0 0\n", "OFF\n1 0 0\n0 x\n"}) {
            try {
                ok &= new OOGL_OFF(off) == null;
            } catch (IOException e) {
                System.out.println(e.getMessage());
                ok &= !ENGLISH.matcher(e.getMessage()).find();
            }
        }
        System.exit(ok ? 0 : 1);
    }
}
